#include "ui/information/InformationPage.h"

#include <QTextBrowser>

// The pages live in a static library: their resource must be named once.
static void initInformationResources()
{
    Q_INIT_RESOURCE(information);
}

namespace vistello {

namespace {

constexpr int kNavigationWidth = 160;

} // namespace

InformationPage::InformationPage(QWidget* parent)
    : WindowPage(parent), navigation_(new QTextBrowser(this)), content_(new QTextBrowser(this))
{
    initInformationResources();
    setObjectName(QStringLiteral("informationPage"));
    navigation_->setObjectName(QStringLiteral("informationNavigation"));
    content_->setObjectName(QStringLiteral("informationContent"));
    navigation_->setOpenLinks(false);
    navigation_->setSource(QUrl(QStringLiteral("qrc:/information/navigation.html")));
    content_->setSource(QUrl(QStringLiteral("qrc:/information/about.html")));
    connect(navigation_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (link.scheme() == QLatin1String("back"))
            Q_EMIT back();
        else
            content_->setSource(QUrl(QStringLiteral("qrc:/information/")).resolved(link));
    });
}

void InformationPage::resizeEvent(QResizeEvent* event)
{
    WindowPage::resizeEvent(event);
    const int navigation = std::min(kNavigationWidth, width());
    navigation_->setGeometry(0, 0, navigation, height());
    content_->setGeometry(navigation, 0, width() - navigation, height());
}

} // namespace vistello
