// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#pragma once

// Every installed picture: its folder under the program folder, file name, pixel size
// and drawing.
//   icon/  body pictures, 16 × 16: the 13 chart points by their file stems, and
//          DragonT (the descending node, Ketu on the Indian screens)
//   bmp/   sign pictures (picture style), 60 × 58: COLari .. COLpsc
//   bmp2/  sign symbols (symbol style), 40 × 40: COLari .. COLpsc; and the body symbols
//          Sun .. DragonH at 40 × 40 for the printed basic-terms booklet
//   mmap/  mind-map sign pictures, 60 × 60: szi1 .. szi12 (Aries .. Pisces)

#include "PictureRender.h"

#include <QImage>
#include <QString>

#include <vector>

namespace celmora::pictures {

struct PictureDef {
    QString folder;
    QString fileName;
    int width;
    int height;
    Edge edge;
    Drawing draw;
};

const std::vector<PictureDef>& allPictures();

// Every picture on white and on silver, at natural size and enlarged four times, with
// the key colour shown as the background: for looking at the set in one image.
QImage contactSheet(const std::vector<PictureDef>& pictures);

}  // namespace celmora::pictures
