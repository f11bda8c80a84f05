// The mains page's worked example (defaults, one secondary of 12 V and 2 A, single-section
// bobbin): each result field and its text in the order the design writes them, with the
// decimal separator written as ','.
#pragma once

#include <utility>

inline constexpr std::pair<const char*, const char*> kMainsWorkedExample[] = {
    {"TARESA", "0,85"},  {"TAPMAX", "   27"},  {"TASEZL", "784"},       {"TALC", "28"},
    {"TALA", "84"},      {"TALB", "70"},       {"TALD", "14"},          {"TALE", "42"},
    {"TAAF", "588"},     {"TACA", "30,5"},     {"TACC", "39,5"},        {"TACX", "56,0"},
    {"TANSP", " 1202"},  {"TAIP", "0,104"},    {"TASVP", "5,23"},       {"TASVS", "5,75"},
    {"TADF", "0,19"},    {"TANP", "5,8"},      {"TALFILO", "171,6"},    {"TARESRAME", "107,2"},
    {"TAPESO", "44,68"}, {"RAPIMPAC", "0,26"}, {"TAPESOFERRO", "1,03"}, {"TAPERFERRO", "2,0"},
    {"TAPERP", "1,2"},   {"TAPERS", "1,8"},    {"TAPERTOT", "5,0"},     {"TADT", "29,5"}};
