#pragma once

#include <QString>

// A small artwork set of our own, laid out like the real one: an SVG back and
// an SVG face file with the element ids the renderer looks for, bitmap back and
// face sheets, and the highlight frames. Written under every catalogue name.
namespace TestArtwork {

void write(const QString &dir);
// Writes the set into dir and makes "resources:" find it there.
void install(const QString &dir);

} // namespace TestArtwork
