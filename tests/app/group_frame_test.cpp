// The frame of a group box runs clear of the labels and fields it holds.
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "app/widgets/group_frame.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

// The rows of the frame's top line as the group paints them: the rows above
// the first control where most pixels differ from the background.
std::pair<int, int> PaintedTopLine(QGroupBox* group)
{
    QImage image(group->size(), QImage::Format_RGB32);
    image.fill(group->palette().color(QPalette::Window));
    group->render(&image, {}, {}, QWidget::DrawWindowBackground);
    const QColor background = group->palette().color(QPalette::Window);
    int first = -1, last = -1;
    for (int y = 0; y < image.height() / 2; ++y) {
        int differing = 0;
        for (int x = 0; x < image.width(); ++x) differing += image.pixelColor(x, y) != background;
        const bool across = differing * 10 >= image.width() * 6;
        if (across && first < 0) first = y;
        if (across) last = y;
        if (!across && first >= 0) break;
    }
    return {first, last};
}

void ExpectControlsClearOfTheLine(QGroupBox* group)
{
    SCOPED_TRACE(group->objectName().toStdString());
    const QRect line = FrameTopLine(group);
    const auto [first, last] = PaintedTopLine(group);
    ASSERT_GE(first, 0) << "the frame's top line is painted";
    EXPECT_LE(line.top(), first);
    EXPECT_GE(line.bottom(), last) << "the style's line covers the painted one";
    for (QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(control->geometry().intersects(line)) << control->objectName().toStdString();
        EXPECT_GT(control->y(), last) << control->objectName().toStdString();
    }
}

using GroupFrames = WindowTest;

TEST_F(GroupFrames, NoLabelOrFieldCrossesTheTopLineOnAnyPage)
{
    const auto groups = window->findChildren<QGroupBox*>();
    EXPECT_EQ(groups.size(), 7);
    auto* pages = Find<QTabWidget>("PageControl");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        for (QGroupBox* group : pages->widget(i)->findChildren<QGroupBox*>())
            ExpectControlsClearOfTheLine(group);
    }
}

TEST_F(GroupFrames, TheControlsKeepTheirDesignedPlaces)
{
    const std::pair<const char*, QPoint> places[] = {
        {"input_sx", {48, 24}},      {"Label1", {32, 24}},   {"lblValue1", {32, 24}},
        {"input_s3", {240, 40}},     {"edtbeta", {192, 24}}, {"lblPlaneDirection", {8, 20}},
        {"input_joint_c", {64, 124}}};
    for (const auto& [name, place] : places) {
        QWidget* control = Find<QWidget>(name);
        QWidget* page = control->parentWidget()->parentWidget();
        EXPECT_EQ(control->mapTo(page, QPoint(0, 0)), place) << name;
    }
}

// A title in a large font puts the line across the first row of controls;
// the group then makes room above them.
TEST(GroupFrame, ALargeTitleLeavesTheControlsWhereTheyAreAndClearOfTheLine)
{
    QWidget page;
    page.resize(500, 300);
    auto* group = new QGroupBox("Stress", &page);
    QFont large = group->font();
    large.setPixelSize(40);
    group->setFont(large);
    // Wide, so that the line still spans most of the width beside the title.
    group->setGeometry(20, 60, 400, 150);
    auto* label = new QLabel("sx", group);
    label->setFont(QFont());
    label->setGeometry(8, 16, 30, 14);
    ASSERT_TRUE(label->geometry().intersects(FrameTopLine(group))) << "the case the group must handle";

    KeepControlsBelowFrameTop(group);
    EXPECT_EQ(label->mapTo(&page, QPoint(0, 0)), QPoint(28, 76));
    ExpectControlsClearOfTheLine(group);
}

}  // namespace
}  // namespace tensorium::testing_support
