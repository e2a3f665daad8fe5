// The window's four pictures as the SVG renderer draws them: no label over
// another or over a line, every arrow of the user-angles sketch named at its
// tip, and the stress cube and the joint tetrahedron in the same axes.
#include <gtest/gtest.h>

#include <QLineF>

#include <cmath>

#include "tests/app/picture_geometry.h"

// The pictures are resources of the window's library.
static void InitPictures() { Q_INIT_RESOURCE(resources); }

namespace tensorium::testing_support {
namespace {

const char* const kPictures[] = {":/images/image1_global_element.svg",
                                 ":/images/image2_principal_element.svg", ":/images/image3_user_angles.svg",
                                 ":/images/image4_joint_tetrahedron.svg"};

class Pictures : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { InitPictures(); }
};

TEST_P(Pictures, LabelsLieInsideAndClearOfEachOtherAndOfEveryLine)
{
    const PictureGeometry picture = ReadPicture(GetParam());
    ASSERT_FALSE(picture.transformed) << "the reader takes coordinates as written";
    ASSERT_GE(picture.labels.size(), 3u);
    ASSERT_FALSE(picture.strokes.empty());
    for (const auto& [name, box] : picture.labels) {
        const std::string label = name.toStdString();
        ASSERT_FALSE(box.isEmpty()) << label;
        EXPECT_TRUE(picture.viewBox.contains(box)) << label;
        for (const auto& [other, otherBox] : picture.labels) {
            if (!(name < other)) continue;
            EXPECT_FALSE(box.intersects(otherBox)) << label << " on " << other.toStdString();
        }
        for (const PictureStroke& stroke : picture.strokes) {
            EXPECT_FALSE(Crosses(stroke, box))
                << label << " on the line " << stroke.line.x1() << "," << stroke.line.y1() << " - "
                << stroke.line.x2() << "," << stroke.line.y2();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Window, Pictures, ::testing::ValuesIn(kPictures));

TEST(UserAnglesSketch, EveryArrowHasItsLabelAtItsTip)
{
    InitPictures();
    const PictureGeometry picture = ReadPicture(":/images/image3_user_angles.svg");
    ASSERT_GE(picture.arrowheads.size(), 15u);
    for (const QPolygonF& head : picture.arrowheads) {
        const QPointF tip = ArrowTip(head);
        double nearest = INFINITY, height = 0.0;
        for (const auto& [name, box] : picture.labels) {
            if (Distance(box, tip) < nearest) {
                nearest = Distance(box, tip);
                height = box.height();
            }
        }
        // Within a line of text: farther, a label names some other arrow.
        EXPECT_LT(nearest, height) << "arrow at " << tip.x() << "," << tip.y();
    }
}

TEST(CubeAndTetrahedron, AxisArrowsPointTheSameWays)
{
    InitPictures();
    const PictureGeometry cube = ReadPicture(":/images/image1_global_element.svg");
    const PictureGeometry tetrahedron = ReadPicture(":/images/image4_joint_tetrahedron.svg");
    for (const char* axis : {"axis_x", "axis_y", "axis_z"}) {
        ASSERT_EQ(cube.arrows.count(axis), 1u) << axis;
        ASSERT_EQ(tetrahedron.arrows.count(axis), 1u) << axis;
        const PictureArrow& a = cube.arrows.at(axis);
        const PictureArrow& b = tetrahedron.arrows.at(axis);
        const double angle = QLineF(a.start, a.tip).angleTo(QLineF(b.start, b.tip));
        // Coordinates written to a tenth of a pixel turn a 25 px arrow by up to 0.3 degrees.
        EXPECT_LT(std::min(angle, 360.0 - angle), 0.5) << axis;
        EXPECT_GT(QLineF(b.start, b.tip).length(), 15.0) << axis;
    }
    // The three axes of one picture point three different ways.
    const double xy = QLineF(cube.arrows.at("axis_x").start, cube.arrows.at("axis_x").tip)
                          .angleTo(QLineF(cube.arrows.at("axis_y").start, cube.arrows.at("axis_y").tip));
    EXPECT_GT(xy, 20.0);
    EXPECT_LT(xy, 70.0);
}

}  // namespace
}  // namespace tensorium::testing_support
