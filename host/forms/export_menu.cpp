// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/export_menu.h"

#include "host/forms/events.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "host/forms/run_context.h"
#include "host/numbers/fault.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QVariant>

#include <functional>

namespace host {

namespace {

// The file to write, asked of the user; empty when the dialog was cancelled.
QString askFile(PictureArea *area, const QString &title, const QString &suffix,
                const QString &filter, const QString &command)
{
    if (runContext().scripted)
        throw Fault(Fault::Kind::File,
                    ("No file dialog opens while a script runs: use \"export " + area->objectName()
                     + " " + command + " FILE\".")
                        .toStdString());
    const QString path
        = QFileDialog::getSaveFileName(area->window(), title, exportPath(area, suffix), filter);
    if (!path.isEmpty())
        rememberExportFolder(path);
    return path;
}

constexpr const char *exportNameProperty = "host.exportName";

QString &lastExportFolder()
{
    static QString folder;
    return folder;
}

QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
                 std::function<void()> action)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    onMenuClick(item, std::move(action));
    return item;
}

} // namespace

void setExportName(PictureArea *area, const QString &name)
{
    area->setProperty(exportNameProperty, name);
}

QString exportFileName(const PictureArea *area, const QString &suffix)
{
    const QString program = QCoreApplication::applicationName();
    const QString shown = area->property(exportNameProperty).toString();
    if (!shown.isEmpty())
        return (program.isEmpty() ? shown : program + " " + shown) + "." + suffix;
    QString name = area->objectName();
    name.replace('(', '-').remove(')');
    return (program.isEmpty() ? name : program + "-" + name) + "." + suffix;
}

QString exportPath(const PictureArea *area, const QString &suffix)
{
    QString folder = lastExportFolder();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        const auto kind = suffix == "csv" ? QStandardPaths::DocumentsLocation
                                          : QStandardPaths::PicturesLocation;
        folder = QStandardPaths::writableLocation(kind);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
    }
    return QDir(folder).filePath(exportFileName(area, suffix));
}

void rememberExportFolder(const QString &path)
{
    lastExportFolder() = QFileInfo(path).absolutePath();
}

QMenu *exportMenu(PictureArea *area)
{
    auto *menu = new QMenu(area);
    menu->setObjectName(area->objectName() + ".exportMenu");
    addItem(menu, "exportCopy", "&Copy", [area] { copyPicture(area); });
    menu->addSeparator();
    auto png = [area](double ratio, const QString &command) {
        const QString path
            = askFile(area, "Save the picture as PNG", "png", "PNG images (*.png)", command);
        if (!path.isEmpty())
            savePng(area, path, ratio);
    };
    addItem(menu, "exportPng", "Save as &PNG...",
            [area, png] { png(area->devicePixelRatioF(), "png"); });
    addItem(menu, "exportPng2x", "Save as PNG at &2x...", [png] { png(2, "png2x"); });
    addItem(menu, "exportSvg", "Save as &SVG...", [area] {
        const QString path
            = askFile(area, "Save the picture as SVG", "svg", "SVG drawings (*.svg)", "svg");
        if (!path.isEmpty())
            saveSvg(area, path);
    });
    menu->addSeparator();
    QAction *csv = addItem(menu, "exportCsv", "Save &data as CSV...", [area] {
        const QString path
            = askFile(area, "Save the numbers as CSV", "csv", "CSV files (*.csv)", "csv");
        if (!path.isEmpty())
            saveCsv(area, path);
    });
    csv->setEnabled(hasCsvData(area));
    return menu;
}

} // namespace host
