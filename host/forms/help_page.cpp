// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/help_page.h"

#include "host/forms/about_box.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/zoom.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <stdexcept>

namespace host {

namespace {

constexpr const char *windowName = "Help";

// A text browser that takes the page's pictures from the program.
class HelpBrowser : public QTextBrowser
{
public:
    explicit HelpBrowser(QWidget *parent)
        : QTextBrowser(parent)
    {
    }

    std::map<QString, QImage> pictures;

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::ImageResource) {
            auto found = pictures.find(name.toString());
            if (found != pictures.end())
                return found->second;
        }
        return QTextBrowser::loadResource(type, name);
    }
};

QString pageText(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("no help page " + resource.toStdString());
    return QString::fromUtf8(file.readAll());
}

QWidget *makeWindow(Form &form)
{
    // A window of the form's own, so that it goes when the program ends.
    auto *window = new QWidget(&form, Qt::Window);
    window->setObjectName(windowName);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto *browser = new HelpBrowser(window);
    browser->setObjectName("helpText");
    browser->setOpenExternalLinks(true);
    browser->setAccessibleName("About this model");
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    auto *close = new QAction(window);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    QObject::connect(close, &QAction::triggered, window, &QWidget::close);
    window->addAction(close);
    browser->setProperty("host.fontAt100", browser->font());
    return window;
}

} // namespace

QWidget *openHelpPage(Form &form, const HelpPage &page)
{
    auto *window = form.findChild<QWidget *>(windowName, Qt::FindDirectChildrenOnly);
    if (!window) {
        window = makeWindow(form);
        zoomHelpPage(form, programZoom() / 100.0);
    }
    window->setWindowTitle(page.title);
    auto *browser = static_cast<HelpBrowser *>(window->findChild<QTextBrowser *>("helpText"));
    // The pictures first: the document asks for its images when the text arrives.
    browser->pictures.clear();
    for (const auto &[name, draw] : page.pictures)
        browser->pictures[name] = draw();
    browser->clear();
    browser->setHtml(pageText(page.htmlResource));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void zoomHelpPage(Form &form, double zoom)
{
    auto *window = form.findChild<QWidget *>(windowName, Qt::FindDirectChildrenOnly);
    if (!window)
        return;
    auto *browser = window->findChild<QTextBrowser *>("helpText");
    browser->setFont(zoomedFont(browser->property("host.fontAt100").value<QFont>(), zoom));
    window->resize(QSize(620, 680) * zoom);
}

QAction *addHelpMenu(Form &form, HelpPage page)
{
    addViewItems(form);
    QMenu *menu = form.addMenu("mnuHelp", "&Help");
    QAction *about = form.addMenuItem(menu, "mnuAboutModel", "&About this model");
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    onMenuClick(about, [&form, page = std::move(page)] { openHelpPage(form, page); });
    onMenuClick(form.addMenuItem(menu, "mnuAboutNeurosims", "About &neurosims"),
                showAboutNeurosims);
    return about;
}

} // namespace host
