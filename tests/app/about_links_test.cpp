// The About page's links open their pages through the desktop.
#include <QDesktopServices>
#include <QTabWidget>
#include <QUrl>

#include "app/widgets/tlinklabel.h"
#include "tests/app/url_catcher.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {

namespace {

using AboutLinks = WindowTest;

TEST_F(AboutLinks, EachLabelOpensItsPageAndLeavesTheWindowAsItWas)
{
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    auto* pages = Find<QTabWidget>("PageControl");
    pages->setCurrentWidget(Find<QWidget>("tbcAbout"));
    const QStringList before = PrincipalTexts();

    for (const char* name : {"Label28", "Label32", "Label33"})
        QTest::mouseClick(Find<TLinkLabel>(name), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");

    EXPECT_EQ(browser.opened, (QList<QUrl>{QUrl("https://www.northfield-tech.example/"),
                                           QUrl("https://rocklab.northfield-tech.example/"),
                                           QUrl("https://civil.northfield-tech.example/")}));
    EXPECT_EQ(pages->currentWidget()->objectName(), "tbcAbout");
    EXPECT_EQ(PrincipalTexts(), before);
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(Find<TLinkLabel>("Label28")->text(), "Northfield Institute of Technology");
    EXPECT_EQ(Find<TLinkLabel>("Label28")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutLinks, APageThatCannotOpenIsIgnoredSilently)
{
    // No handler and no desktop on this screen: opening fails, nothing is shown.
    QTest::mouseClick(Find<TLinkLabel>("Label33"), Qt::LeftButton);
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace tensorium::testing_support
