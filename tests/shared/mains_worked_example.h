// The mains page's worked example (defaults, one secondary of 12 V and 2 A, single-section
// bobbin): each result field and its text in the order the design writes them, with the
// decimal separator written as ','. The primary draws P / (eta VP) = 24 / (0,85 x 230) A.
#pragma once

#include <utility>

inline constexpr std::pair<const char*, const char*> kMainsWorkedExample[] = {
    {"TARESA", "0,85"},  {"TAPMAX", "   27"},  {"TASEZL", "784"},       {"TALC", "28"},
    {"TALA", "84"},      {"TALB", "70"},       {"TALD", "14"},          {"TALE", "42"},
    {"TAAF", "588"},     {"TACA", "30,5"},     {"TACC", "39,5"},        {"TACX", "56,0"},
    {"TANSP", " 1202"},  {"TAIP", "0,123"},    {"TASVP", "5,23"},       {"TASVS", "5,75"},
    {"TADF", "0,20"},    {"TANP", "6,1"},      {"TALFILO", "171,6"},    {"TARESRAME", "96,7"},
    {"TAPESO", "49,50"}, {"RAPIMPAC", "0,28"}, {"TAPESOFERRO", "1,03"}, {"TAPERFERRO", "2,0"},
    {"TAPERP", "1,5"},   {"TAPERS", "1,8"},    {"TAPERTOT", "5,3"},     {"TADT", "31,2"}};
