#include "app/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

namespace kelvane {

namespace {

constexpr int kIconSize = 20;

const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 200);
const QColor kRed(200, 40, 40);
const QColor kGreen(20, 130, 60);

void drawLetters(QPainter& p, const QString& text, const QColor& colour, int pixelSize = 8) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, text);
}

void drawAxesPair(QPainter& p, const QString& first, const QString& second) {
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(3, 17, 17, 17);
    p.drawLine(3, 17, 3, 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kBlue);
    p.drawText(QRect(10, 8, 10, 9), Qt::AlignCenter, first);
    p.setPen(kRed);
    p.drawText(QRect(4, 1, 9, 9), Qt::AlignCenter, second);
}

void drawFrameGlyph(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour, 2));
    p.drawLine(4, 17, 4, 5);
    p.drawLine(16, 17, 16, 5);
    p.drawLine(4, 5, 16, 5);
}

void drawDocument(QPainter& p, const QColor& fill) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawPolygon(QPolygon({QPoint(4, 2), QPoint(13, 2), QPoint(16, 5), QPoint(16, 18), QPoint(4, 18)}));
    p.setPen(QPen(kInk, 1));
    for (int y = 7; y <= 15; y += 3)
        p.drawLine(7, y, 13, y);
}

void drawIcon(QPainter& p, ToolIcon icon) {
    switch (icon) {
    case ToolIcon::Import:
        drawDocument(p, QColor(255, 250, 220));
        p.setPen(QPen(kBlue, 2));
        p.drawLine(10, 9, 10, 17);
        p.drawLine(7, 14, 10, 17);
        p.drawLine(13, 14, 10, 17);
        break;
    case ToolIcon::FrameSection:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(5, 2, 10, 16);
        p.setBrush(kRed);
        p.setPen(Qt::NoPen);
        for (QPoint c : {QPoint(7, 4), QPoint(13, 4), QPoint(7, 16), QPoint(13, 16)})
            p.drawEllipse(c, 1, 1);
        break;
    case ToolIcon::Material:
        drawLetters(p, QStringLiteral("M"), kGreen, 13);
        break;
    case ToolIcon::ViewXY:
        drawAxesPair(p, QStringLiteral("X"), QStringLiteral("Y"));
        break;
    case ToolIcon::ViewXZ:
        drawAxesPair(p, QStringLiteral("X"), QStringLiteral("Z"));
        break;
    case ToolIcon::ViewYZ:
        drawAxesPair(p, QStringLiteral("Y"), QStringLiteral("Z"));
        break;
    case ToolIcon::ZoomAll:
        p.setPen(QPen(kInk, 1.5));
        p.drawRect(2, 2, 16, 16);
        p.setPen(QPen(kBlue, 1.5));
        p.drawLine(5, 5, 15, 15);
        p.drawLine(15, 5, 5, 15);
        break;
    case ToolIcon::Rotate: {
        p.setPen(QPen(kBlue, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRect(3, 3, 14, 14), 30 * 16, 300 * 16);
        p.setBrush(kBlue);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(17, 2), QPoint(17, 9), QPoint(11, 6)}));
        break;
    }
    case ToolIcon::Pan:
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(10, 2, 10, 18);
        p.drawLine(2, 10, 18, 10);
        p.setBrush(kInk);
        p.drawPolygon(QPolygon({QPoint(10, 1), QPoint(7, 5), QPoint(13, 5)}));
        p.drawPolygon(QPolygon({QPoint(10, 19), QPoint(7, 15), QPoint(13, 15)}));
        p.drawPolygon(QPolygon({QPoint(1, 10), QPoint(5, 7), QPoint(5, 13)}));
        p.drawPolygon(QPolygon({QPoint(19, 10), QPoint(15, 7), QPoint(15, 13)}));
        break;
    case ToolIcon::Refresh:
        p.setPen(QPen(kGreen, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRect(3, 3, 14, 14), 90 * 16, 270 * 16);
        p.setBrush(kGreen);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(9, 0), QPoint(9, 7), QPoint(14, 3)}));
        break;
    case ToolIcon::ShowLoad:
        p.setPen(QPen(kRed, 2));
        p.drawLine(10, 2, 10, 14);
        p.setBrush(kRed);
        p.drawPolygon(QPolygon({QPoint(10, 18), QPoint(6, 12), QPoint(14, 12)}));
        break;
    case ToolIcon::ViewOption:
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        for (int y : {3, 11}) {
            p.drawRect(3, y, 6, 6);
            p.drawLine(11, y + 3, 17, y + 3);
        }
        p.setPen(QPen(kGreen, 1.5));
        p.drawLine(4, 6, 6, 8);
        p.drawLine(6, 8, 9, 3);
        break;
    case ToolIcon::Select:
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({QPoint(5, 2), QPoint(5, 16), QPoint(9, 12), QPoint(12, 18), QPoint(14, 17),
                                QPoint(11, 11), QPoint(16, 11)}));
        break;
    case ToolIcon::Idle:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(230, 230, 230));
        p.drawEllipse(QRect(3, 3, 14, 14));
        p.drawLine(8, 7, 8, 13);
        p.drawLine(12, 7, 12, 13);
        break;
    case ToolIcon::AnalysisCase:
        drawFrameGlyph(p, kInk);
        p.setPen(QPen(kRed, 2));
        p.drawLine(0, 5, 3, 5);
        p.setBrush(kRed);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(4, 5), QPoint(1, 2), QPoint(1, 8)}));
        break;
    case ToolIcon::RecorderSetting:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(2, 4, 16, 12);
        p.setPen(QPen(kRed, 1.5));
        p.drawPolyline(QPolygon({QPoint(3, 12), QPoint(7, 8), QPoint(10, 11), QPoint(14, 6), QPoint(17, 9)}));
        break;
    case ToolIcon::TclFile:
        drawDocument(p, QColor(210, 245, 210));
        break;
    case ToolIcon::RunSolver:
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygon({QPoint(5, 3), QPoint(17, 10), QPoint(5, 17)}));
        break;
    case ToolIcon::ClearResults:
        drawFrameGlyph(p, QColor(150, 150, 150));
        p.setPen(QPen(kRed, 2));
        p.drawLine(6, 8, 14, 16);
        p.drawLine(14, 8, 6, 16);
        break;
    case ToolIcon::Deformation: {
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
        p.drawLine(4, 17, 4, 5);
        p.drawLine(16, 17, 16, 5);
        p.drawLine(4, 5, 16, 5);
        p.setPen(QPen(kBlue, 2));
        QPainterPath path;
        path.moveTo(4, 17);
        path.cubicTo(4, 10, 8, 5, 9, 5);
        path.lineTo(19, 5);
        path.moveTo(16, 17);
        path.cubicTo(16, 10, 19, 6, 19, 5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        break;
    }
    case ToolIcon::Animation:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(2, 4, 16, 12);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        for (int x = 4; x <= 14; x += 5) {
            p.drawRect(x, 5, 2, 2);
            p.drawRect(x, 13, 2, 2);
        }
        p.setBrush(QColor(255, 200, 0));
        p.drawPolygon(QPolygon({QPoint(8, 8), QPoint(13, 10), QPoint(8, 12)}));
        break;
    }
}

} // namespace

QIcon toolbarIcon(ToolIcon icon) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawIcon(painter, icon);
    painter.end();
    return QIcon(pixmap);
}

} // namespace kelvane
