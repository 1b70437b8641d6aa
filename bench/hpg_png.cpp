// The ten-conformer HPG plot computed with the project's libraries and written to a PNG: the
// counterpart of hpg_reference.py. Usage: hpg_png OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "core/number_text.h"
#include "input/form1.h"
#include "qt/painting.h"
#include "results/form4.h"
#include "tests/support/assembly.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QGuiApplication qtApplication(argc, argv);
    torvi::testing::Assembly<> assembly;
    torvi::ui::Application& application = assembly.application;
    auto& entries = application.form<torvi::input::Form1>();
    entries.Text1->setText("10");
    for (int i = 1; i <= 10; ++i)
        entries.Text2(i).setText(torvi::core::formatNumber(0.3 * (i - 1)));
    auto& plot = application.form<torvi::results::Form4>();

    const torvi::ui::Rect box = plot.Picture1->geometry();
    QImage image(box.width / 15, box.height / 15, QImage::Format_RGB32);
    image.fill(Qt::white);
    torvi::qt::drawInto(image, plot.Picture1->drawing);
    return image.save(argv[1]) ? 0 : 1;
}
