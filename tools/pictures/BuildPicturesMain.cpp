// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers

// celmora-build-pictures PROGRAM_FOLDER [--contact-sheet FILE.png]
//
// Draws every installed picture into its folder under PROGRAM_FOLDER. With
// --contact-sheet it also writes all of them into one PNG for review.

#include "PictureSet.h"

#include <QDir>

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    using namespace celmora::pictures;
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--contact-sheet")) {
        std::fprintf(stderr, "使い方: celmora-build-pictures プログラムフォルダ [--contact-sheet 一覧.png]\n");
        return 2;
    }
    try {
        const QDir root(QString::fromLocal8Bit(argv[1]));
        for (const PictureDef& picture : allPictures()) {
            if (!root.mkpath(picture.folder)) throw std::runtime_error("cannot create " + picture.folder.toStdString());
            saveBmp(renderPicture(picture.width, picture.height, picture.edge, picture.draw),
                    root.filePath(picture.folder + "/" + picture.fileName));
        }
        if (argc == 4 && !contactSheet(allPictures()).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
            throw std::runtime_error(std::string("cannot write ") + argv[3]);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "celmora-build-pictures: %s\n", error.what());
        return 1;
    }
}
