// The pictures of the program live in the Qt resource system under ":/pictures".
// This file gives the resource library a translation unit of its own.
namespace velkor {
int ResourcesAnchor() {
    return 0;
}
} // namespace velkor
