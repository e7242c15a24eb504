// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <map>

class QAction;
class QTextBrowser;
class QWidget;

namespace host {

class Form;

// A program's page about its model: HTML from the program's Qt resources, shown in a text
// browser of its own window. The page may show pictures the program draws: an <img> whose
// source is one of the picture names gets that picture, made when the page opens, so that it
// shows the displays as they are at that moment.
struct HelpPage
{
    QString title; // the window's title
    QString htmlResource; // ":/reach/help/about.html"
    std::map<QString, std::function<QImage()>> pictures; // by the name the HTML uses
};

// Adds a Help menu ("mnuHelp") to the form's menu bar, after its other menus, with the item
// "About this model" ("mnuAboutModel"); the item and F1 open the page in the window "Help".
// "About neurosims" ("mnuAboutNeurosims") below it shows the suite's About box.
QAction *addHelpMenu(Form &form, HelpPage page);

// Opens the page (or brings its window forward, with the pictures made again) and returns
// the window; its browser is named "helpText".
QWidget *openHelpPage(Form &form, const HelpPage &page);
// Gives the form's help page (when it has one) the zoom: its text and window size.
void zoomHelpPage(Form &form, double zoom);

} // namespace host
