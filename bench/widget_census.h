// The census of a window's widgets: how many of each Qt class it holds, and how many of them
// are visible, with the mean size of the visible ones. A widget of a class of our own counts
// as the Qt class it derives from. The census program takes it from CreateForms()'s window;
// the floor builds exactly the same counts and takes its own to show that it does.
#pragma once

#include <QWidget>

#include <cstdio>
#include <dlfcn.h>
#include <map>
#include <string>

struct ClassCount {
    int all = 0;
    int visible = 0;
    long long width = 0;  // px, summed over the visible ones
    long long height = 0; // px
};
using Census = std::map<std::string, ClassCount>;

// The first class of the object's ancestry whose code lives in a Qt library.
inline std::string QtClassOf(const QObject* object) {
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass()) {
        Dl_info info{};
        if (dladdr(meta, &info) && info.dli_fname &&
            std::string(info.dli_fname).find("libQt6") != std::string::npos)
            return meta->className();
    }
    return "QObject";
}

// `root` and every widget inside it. Visible: shown now, or, before the first show, what
// showing `root` would show.
inline Census TakeCensus(QWidget* root) {
    Census census;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        ClassCount& count = census[QtClassOf(widget)];
        ++count.all;
        if (root->isVisible() ? widget->isVisible() : widget->isVisibleTo(root) || widget == root) {
            ++count.visible;
            count.width += widget->width();
            count.height += widget->height();
        }
    }
    return census;
}

inline void WriteCensus(std::FILE* file, const Census& census) {
    for (const auto& [name, count] : census)
        std::fprintf(file, "%s %d %d %lld %lld\n", name.c_str(), count.all, count.visible,
                     count.width, count.height);
}

inline Census ReadCensus(const char* path) {
    Census census;
    if (std::FILE* file = std::fopen(path, "r")) {
        char name[128];
        ClassCount count;
        while (std::fscanf(file, "%127s %d %d %lld %lld", name, &count.all, &count.visible,
                           &count.width, &count.height) == 5)
            census[name] = count;
        std::fclose(file);
    }
    return census;
}

inline std::pair<int, int> Totals(const Census& census) {
    int all = 0, visible = 0;
    for (const auto& entry : census) {
        all += entry.second.all;
        visible += entry.second.visible;
    }
    return {all, visible};
}
