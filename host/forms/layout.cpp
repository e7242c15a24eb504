#include "host/forms/layout.h"

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <cmath>

namespace host {

int twipsToPixels(double twips) { return int(std::lround(twips / 15)); }

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

QFont classicFont(const QString &family, double points, bool bold, bool italic)
{
    static const QHash<QString, QStringList> installed {
        {"MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Helvetica", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        {"Garamond", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        {"Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
    };
    QFont font;
    font.setFamilies(installed.value(family, {family}));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString arrayName(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace host
