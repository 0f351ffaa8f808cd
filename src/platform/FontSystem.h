// Qt fonts for the graph's font descriptions: the face names of the platform the pictures
// come from map to installed faces, and a font system exists even without a display.
#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "base/FontChoice.h"
#include "canvas/EmfRecords.h"

namespace tarn {

// Makes sure a QGuiApplication exists so fonts can be used; without a display it is created
// on the offscreen platform. Does nothing when an application already exists.
void EnsureFontSystem();

// An installed family for a face name: the platform's Japanese faces map to their IPA
// counterparts, an installed face is used as it is, anything else falls back to a Japanese
// gothic (or, lacking that, the default sans-serif face).
QString ResolveFamily(const QString& face);

// Pixel-sized, not antialiased, unkerned: text laid out the way the platform lays it out.
QFont MakeQFont(const FontChoice& choice);
// The font of a metafile record; a positive height (cell height) is taken as the pixel size.
QFont MakeQFont(const EmfFont& font);

}  // namespace tarn
