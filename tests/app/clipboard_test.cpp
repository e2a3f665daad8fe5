// Copying the diagrams, read back from the system clipboard by another
// process (xclip), under a real X server.
#include <QApplication>
#include <QProcess>

#include "chart/tchart.h"
#include "tests/app/window_fixture.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

// Runs xclip while this program keeps answering the clipboard's requests.
QByteArray ReadClipboard(const QString& target)
{
    QProcess xclip;
    xclip.start("xclip", {"-selection", "clipboard", "-t", target, "-o"});
    for (int i = 0; i < 1000 && !xclip.waitForFinished(10); ++i) QApplication::processEvents();
    return xclip.readAllStandardOutput();
}

using Clipboard = WindowTest;

TEST_F(Clipboard, CopyStereographOffersAScalablePictureAndABitmap)
{
    Action("mnuCopyStereograph")->trigger();
    ASSERT_TRUE(failures.isEmpty());
    const QString targets = QString::fromUtf8(ReadClipboard("TARGETS"));
    EXPECT_TRUE(targets.contains("image/svg+xml")) << targets.toStdString();
    EXPECT_TRUE(targets.contains("image/png")) << targets.toStdString();

    const QByteArray svg = ReadClipboard("image/svg+xml");
    ASSERT_FALSE(svg.isEmpty());
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 369 365\"")) << "the chart's size";
    EXPECT_TRUE(svg.contains("width=\"97.6")) << "369 pixels at 96 per inch, in millimetres";
    const SvgShapes shapes = ReadSvgShapes(svg);
    EXPECT_EQ(shapes.Lines("#008000").size(), 2u);
    EXPECT_TRUE(shapes.HasText("s1"));

    const QByteArray png = ReadClipboard("image/png");
    QImage image;
    ASSERT_TRUE(image.loadFromData(png, "PNG"));
    EXPECT_EQ(image.size(), QSize(369, 365));
}

TEST_F(Clipboard, CopyMohrCirclesShowsTheLastCycle)
{
    Type("input_sx", "100");  // not committed
    Action("mnuCopyMohrCircles")->trigger();
    const SvgShapes shapes = ReadSvgShapes(ReadClipboard("image/svg+xml"));
    EXPECT_EQ(shapes.Lines("#ff0000").size(), 1u);
    EXPECT_EQ(shapes.Lines("#00ff00").size(), 1u);
    EXPECT_TRUE(shapes.HasText("sigma"));
    EXPECT_FALSE(shapes.HasText("100")) << "the axes still end near s1 = 8.794";
}

}  // namespace
}  // namespace tensorium::testing_support
