#include "ui/window/Images.h"

#include "TournelVersion.h"
#include "ui/window/CommandIds.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {

struct cGlyph
{
    QColor colour;
    QChar letter;
};

// One colour and letter per kind: courts, court time, leagues, teams,
// officials, scheduled matches, unscheduled matches, results, ...
cGlyph GlyphOf(int image)
{
    switch (image) {
    case 1:
        return {QColor(40, 120, 40), QLatin1Char('C')};
    case 2:
        return {QColor(30, 110, 170), QLatin1Char('T')};
    case 3:
        return {QColor(170, 60, 30), QLatin1Char('L')};
    case 4:
        return {QColor(200, 120, 0), QLatin1Char('t')};
    case 5:
        return {QColor(90, 60, 150), QLatin1Char('O')};
    case 6:
        return {QColor(20, 130, 130), QLatin1Char('M')};
    case 7:
        return {QColor(120, 120, 120), QLatin1Char('U')};
    case 8:
        return {QColor(160, 30, 110), QLatin1Char('R')};
    default:
        return {QColor(90, 90, 160), QLatin1Char(' ')};
    }
}

QPixmap Folder(bool open)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(150, 110, 20));
    painter.setBrush(QColor(230, 190, 80));
    painter.drawRect(QRectF(1.5, 3.5, 6, 2));
    if (open) {
        painter.drawRect(QRectF(1.5, 4.5, 12, 9));
        painter.setBrush(QColor(250, 220, 120));
        QPainterPath flap;
        flap.moveTo(3.5, 7.5);
        flap.lineTo(15.5, 7.5);
        flap.lineTo(13.5, 13.5);
        flap.lineTo(1.5, 13.5);
        flap.closeSubpath();
        painter.drawPath(flap);
    } else {
        painter.drawRect(QRectF(1.5, 4.5, 13, 9));
    }
    return pixmap;
}

QPixmap Badge(const cGlyph& glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(glyph.colour.darker(140));
    painter.setBrush(glyph.colour);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString(glyph.letter));
    return pixmap;
}

QPixmap Plus(QPixmap base)
{
    QPainter painter(&base);
    painter.setRenderHint(QPainter::Antialiasing);
    const int s = base.width() / 2;
    const QRect corner(base.width() - s, base.height() - s, s, s);
    painter.setPen(QColor(0, 90, 0));
    painter.setBrush(QColor(90, 220, 90));
    painter.drawEllipse(corner.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(corner.center().x(), corner.top() + 3, corner.center().x(), corner.bottom() - 3);
    painter.drawLine(corner.left() + 3, corner.center().y(), corner.right() - 3, corner.center().y());
    return base;
}

} // namespace

QIcon DirectoryImage(int image)
{
    static QMap<int, QIcon> cache;
    if (const auto it = cache.constFind(image); it != cache.constEnd()) {
        return *it;
    }
    QIcon icon;
    if (image == 12 || image == 13) {
        icon = QIcon(Folder(image == 13));
    } else {
        icon = QIcon(Badge(GlyphOf(image), 16));
    }
    cache.insert(image, icon);
    return icon;
}

QIcon CommandImage(int commandId)
{
    QStyle* style = QApplication::style();
    switch (commandId) {
    case ID_FILE_NEW:
        return style->standardIcon(QStyle::SP_FileIcon);
    case ID_FILE_OPEN:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ID_FILE_SAVE:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case ID_EDIT_UNDO:
        return QIcon::fromTheme(QStringLiteral("edit-undo"), style->standardIcon(QStyle::SP_ArrowBack));
    case ID_EDIT_REDO:
        return QIcon::fromTheme(QStringLiteral("edit-redo"), style->standardIcon(QStyle::SP_ArrowForward));
    case ID_DELETE_ITEM:
        return style->standardIcon(QStyle::SP_TrashIcon);
    case ID_PROPERTIES:
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case ID_APP_ABOUT:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case ID_INSERT_ITEM:
        return QIcon(Plus(Badge({QColor(90, 90, 160), QLatin1Char(' ')}, 22)));
    case ID_INSERT_COURT:
        return QIcon(Plus(Badge(GlyphOf(1), 22)));
    case ID_INSERT_TIME:
        return QIcon(Plus(Badge(GlyphOf(2), 22)));
    case ID_INSERT_LEAGUE:
        return QIcon(Plus(Badge(GlyphOf(3), 22)));
    case ID_INSERT_OFFICIAL:
        return QIcon(Plus(Badge(GlyphOf(5), 22)));
    default:
        return {};
    }
}

QPixmap ProgramPicture()
{
    QPixmap pixmap(420, 260);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0, QColor(20, 60, 120));
    sky.setColorAt(1, QColor(60, 140, 200));
    painter.fillRect(pixmap.rect(), sky);
    // A court seen from above.
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(QColor(40, 140, 70));
    const QRectF court(40, 120, 340, 110);
    painter.drawRect(court);
    painter.drawLine(QPointF(court.center().x(), court.top()), QPointF(court.center().x(), court.bottom()));
    painter.drawEllipse(court.center(), 22, 22);
    painter.drawRect(QRectF(court.left(), court.center().y() - 25, 40, 50));
    painter.drawRect(QRectF(court.right() - 40, court.center().y() - 25, 40, 50));
    // A calendar sheet.
    painter.setPen(QPen(QColor(30, 30, 30), 1));
    painter.setBrush(Qt::white);
    const QRectF sheet(300, 20, 90, 80);
    painter.drawRect(sheet);
    painter.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 18), QColor(200, 40, 40));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 5; ++col) {
            painter.drawRect(QRectF(sheet.left() + 7 + col * 16, sheet.top() + 25 + row * 17, 12, 12));
        }
    }
    QFont font = QApplication::font();
    font.setPixelSize(46);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(30, 20, 260, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tournel"));
    font.setPixelSize(14);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRectF(32, 78, 260, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("League scheduling, version ") + QLatin1String(kTournelVersion));
    return pixmap;
}

QPixmap TipPicture()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 120, 0), 2));
    painter.setBrush(QColor(255, 230, 80));
    painter.drawEllipse(QRectF(10, 4, 28, 28));
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(QRectF(17, 31, 14, 10));
    painter.drawLine(17, 36, 31, 36);
    return pixmap;
}
