// The command icons, drawn here: one image per command offset at 16 and at 24 pixels, keyed by
// the names of the command table (app/BarreComandi.h) and tagged by the command identifiers
// n x 1000 + offset (n = 1 for 16 pixels, 2 for 24).
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <cstdint>

namespace vilmor {

// The image of the command of offset k drawn at `lato` pixels; a null image for an offset
// without a command.
QImage ImmagineIcona(int k, int lato);

// The image of a name in the 16-pixel list or in the 24-pixel one (a few names are in both);
// null for a name the list does not hold.
QImage ImmagineIconaNome(const QString& nome, bool grande);

// The icon of the image whose tag equals the identifier; a null icon for any other number
// (the recent files, the DXF and about entries have none).
QIcon IconaDaTag(int32_t tag);

// The about box's picture.
QImage ImmagineInformazioni(int larghezza, int altezza);

}  // namespace vilmor
