// SPDX-License-Identifier: AGPL-3.0-or-later
// Copyright (C) 2026 Celmora developers
#include "TestSupport.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace celmora::platform_qt_test {

std::string outputPath(const std::string& fileName)
{
    const std::filesystem::path dir(CELMORA_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / fileName;
    std::filesystem::remove(path);
    return path.string();
}

std::string quoted(const std::string& path) { return "'" + path + "'"; }

std::optional<std::string> runTool(const std::string& tool, const std::string& args)
{
    if (std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) != 0) return std::nullopt;
    FILE* pipe = popen((tool + " " + args + " 2>&1").c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
    return out;
}

platform::RecordingMessages& applicationMessages()
{
    static platform::RecordingMessages messages;
    return messages;
}

int inkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::min({c.red(), c.green(), c.blue()}) < 128) ++count;
        }
    return count;
}

bool isColour(const QImage& image, int x, int y, QColor expected)
{
    return image.pixelColor(x, y).rgb() == expected.rgb();
}

void spinEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace celmora::platform_qt_test
