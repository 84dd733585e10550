// Keeps the platform library non-empty on a build that has no seam implementations yet.
namespace ko { int platformAnchor() { return 0; } }
