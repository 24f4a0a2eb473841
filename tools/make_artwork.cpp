// Draws the program's built-in pictures: the splash picture, the desktop wallpaper, the
// tool-bar glyphs, the tool-bar divider and the window icon. Run by hand:
//   QT_QPA_PLATFORM=offscreen make_artwork src/gui/resources/images
// The output is committed, so the drawing only has to be deterministic, not fast.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>

namespace {

constexpr int kGlyphW = 55;
constexpr int kGlyphH = 49;

const QColor kOutline(40, 48, 64);

QImage blank(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(const char* family, qreal pixels, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// A glossy lottery ball with a white disc carrying its number.
void drawBall(QPainter& p, QPointF c, qreal r, QColor base, const QString& label,
              qreal opacity = 1.0) {
    p.save();
    p.setOpacity(opacity);
    QRadialGradient body(c + QPointF(-r * 0.35, -r * 0.4), r * 1.35);
    body.setColorAt(0.0, base.lighter(170));
    body.setColorAt(0.45, base);
    body.setColorAt(1.0, base.darker(230));
    p.setPen(QPen(base.darker(260), qMax(0.8, r / 14.0)));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    if (!label.isEmpty()) {
        const qreal dr = r * 0.56;
        QRadialGradient disc(c + QPointF(-dr * 0.3, -dr * 0.3), dr * 1.4);
        disc.setColorAt(0.0, QColor(255, 255, 255));
        disc.setColorAt(1.0, QColor(222, 222, 214));
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(c, dr, dr);
        p.setPen(QColor(30, 30, 40));
        p.setFont(font("DejaVu Sans", dr * (label.size() > 1 ? 1.05 : 1.3), true));
        p.drawText(QRectF(c.x() - dr, c.y() - dr, 2 * dr, 2 * dr), Qt::AlignCenter, label);
    }
    // Highlight.
    QRadialGradient shine(c + QPointF(-r * 0.42, -r * 0.48), r * 0.45);
    shine.setColorAt(0.0, QColor(255, 255, 255, 200));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(c + QPointF(-r * 0.42, -r * 0.48), r * 0.45, r * 0.45);
    p.restore();
}

void drawTicket(QPainter& p, QRectF r, QColor stripe, qreal angle = 0) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    r.moveCenter(QPointF(0, 0));
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0, QColor(255, 252, 238));
    paper.setColorAt(1, QColor(236, 228, 200));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(paper);
    p.drawRoundedRect(r, 2.5, 2.5);
    QRectF head(r.left() + 1, r.top() + 1, r.width() - 2, r.height() * 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(stripe);
    p.drawRect(head);
    // Grid of number boxes, a few of them marked.
    const int cols = 5, rows = 3;
    const qreal gx = r.left() + r.width() * 0.12, gy = r.top() + r.height() * 0.32;
    const qreal cw = r.width() * 0.76 / cols, ch = r.height() * 0.6 / rows;
    const bool marked[rows][cols] = {{1, 0, 0, 1, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 1}};
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < cols; ++x) {
            QRectF box(gx + x * cw + cw * 0.15, gy + y * ch + ch * 0.15, cw * 0.7, ch * 0.7);
            p.setPen(QPen(QColor(150, 140, 120), 0.8));
            p.setBrush(marked[y][x] ? QBrush(QColor(200, 40, 50)) : QBrush(Qt::NoBrush));
            p.drawRect(box);
        }
    }
    p.restore();
}

void drawCylinder(QPainter& p, QRectF r, QColor base) {
    const qreal eh = r.height() * 0.28;
    QLinearGradient side(r.left(), 0, r.right(), 0);
    side.setColorAt(0.0, base.darker(140));
    side.setColorAt(0.35, base.lighter(135));
    side.setColorAt(1.0, base.darker(180));
    QPainterPath body;
    body.moveTo(r.left(), r.top() + eh / 2);
    body.lineTo(r.left(), r.bottom() - eh / 2);
    body.arcTo(QRectF(r.left(), r.bottom() - eh, r.width(), eh), 180, 180);
    body.lineTo(r.right(), r.top() + eh / 2);
    body.closeSubpath();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(side);
    p.drawPath(body);
    // Bands between the stacked records.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(base.darker(220), 1.0));
    for (qreal f : {0.38, 0.66}) {
        const qreal y = r.top() + (r.height() - eh) * f;
        p.drawArc(QRectF(r.left(), y, r.width(), eh), 180 * 16, 180 * 16);
    }
    QLinearGradient top(r.topLeft(), QPointF(r.right(), r.top() + eh));
    top.setColorAt(0, base.lighter(175));
    top.setColorAt(1, base.lighter(115));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(top);
    p.drawEllipse(QRectF(r.left(), r.top(), r.width(), eh));
}

void drawFolderBack(QPainter& p, QRectF r) {
    QPainterPath back;
    back.moveTo(r.left(), r.bottom());
    back.lineTo(r.left(), r.top() + 4);
    back.lineTo(r.left() + 3, r.top());
    back.lineTo(r.left() + r.width() * 0.35, r.top());
    back.lineTo(r.left() + r.width() * 0.42, r.top() + 4);
    back.lineTo(r.right(), r.top() + 4);
    back.lineTo(r.right(), r.bottom());
    back.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 10), 1.2));
    p.setBrush(QColor(214, 158, 44));
    p.drawPath(back);
}

void drawFolderFront(QPainter& p, QRectF r) {
    QPainterPath front;
    const qreal top = r.top() + r.height() * 0.42;
    front.moveTo(r.left(), r.bottom());
    front.lineTo(r.left() + 6, top);
    front.lineTo(r.right() + 4, top);
    front.lineTo(r.right(), r.bottom());
    front.closeSubpath();
    QLinearGradient g(0, top, 0, r.bottom());
    g.setColorAt(0, QColor(255, 214, 102));
    g.setColorAt(1, QColor(232, 170, 48));
    p.setPen(QPen(QColor(120, 80, 10), 1.2));
    p.setBrush(g);
    p.drawPath(front);
}

// A small round badge in the bottom-right corner: plus, gear or arrow.
void drawPlusBadge(QPainter& p, QPointF c) {
    QRadialGradient g(c + QPointF(-2, -2), 9);
    g.setColorAt(0, QColor(120, 220, 110));
    g.setColorAt(1, QColor(30, 140, 50));
    p.setPen(QPen(QColor(20, 80, 30), 1.0));
    p.setBrush(g);
    p.drawEllipse(c, 8, 8);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
    p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
}

void drawGear(QPainter& p, QPointF c, qreal r) {
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i * M_PI) / teeth;
        const qreal a1 = ((i + 1) * M_PI) / teeth;
        const qreal rr = (i % 2 == 0) ? r : r * 0.74;
        QPointF p0 = c + QPointF(qCos(a0) * rr, qSin(a0) * rr);
        QPointF p1 = c + QPointF(qCos(a1) * rr, qSin(a1) * rr);
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, r * 0.3, r * 0.3);
    QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.3), r * 1.3);
    g.setColorAt(0, QColor(220, 226, 236));
    g.setColorAt(1, QColor(110, 120, 140));
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(g);
    p.drawPath(gear.subtracted(hole));
}

void drawBars(QPainter& p, QRectF r) {
    const QColor colors[] = {QColor(66, 133, 214), QColor(230, 80, 70), QColor(250, 190, 40),
                             QColor(70, 175, 90)};
    const qreal heights[] = {0.55, 0.9, 0.4, 0.7};
    const qreal bw = r.width() / 4.0;
    for (int i = 0; i < 4; ++i) {
        const qreal h = r.height() * heights[i];
        QRectF bar(r.left() + i * bw + bw * 0.14, r.bottom() - h, bw * 0.72, h);
        QLinearGradient g(bar.left(), 0, bar.right(), 0);
        g.setColorAt(0, colors[i].lighter(140));
        g.setColorAt(1, colors[i].darker(130));
        p.setPen(QPen(colors[i].darker(200), 1.0));
        p.setBrush(g);
        p.drawRect(bar);
    }
    p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() - 2, r.bottom() + 1), QPointF(r.right() + 2, r.bottom() + 1));
    p.drawLine(QPointF(r.left() - 2, r.bottom() + 1), QPointF(r.left() - 2, r.top() - 2));
}

// Wheeling-table pictogram: numbered positions on a ring, joined like the tickets of a wheel.
void drawWheel(QPainter& p, QPointF c, qreal r) {
    const int n = 7;
    QPointF pts[n];
    for (int i = 0; i < n; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / n;
        pts[i] = c + QPointF(qCos(a) * r, qSin(a) * r);
    }
    p.setPen(QPen(QColor(70, 110, 170), 1.3));
    p.setBrush(QColor(220, 232, 250));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(50, 90, 150, 200), 1.0));
    for (int i = 0; i < n; ++i) p.drawLine(pts[i], pts[(i + 3) % n]);
    const QColor colors[] = {QColor(220, 60, 60),  QColor(250, 170, 30), QColor(70, 170, 80),
                             QColor(60, 120, 220), QColor(150, 80, 190), QColor(230, 110, 40),
                             QColor(40, 160, 170)};
    for (int i = 0; i < n; ++i) drawBall(p, pts[i], r * 0.3, colors[i], QString());
}

void drawArrow(QPainter& p, QPointF from, QPointF to, QColor color) {
    const QPointF d = to - from;
    const qreal len = qSqrt(d.x() * d.x() + d.y() * d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    const qreal head = 8, half = 6, shaft = 2.6;
    const QPointF base = to - u * head;
    QPolygonF poly;
    poly << from + n * shaft << base + n * shaft << base + n * half << to << base - n * half
         << base - n * shaft << from - n * shaft;
    QLinearGradient g(from, to);
    g.setColorAt(0, color.lighter(130));
    g.setColorAt(1, color);
    p.setPen(QPen(color.darker(200), 1.0));
    p.setBrush(g);
    p.drawPolygon(poly);
}

void drawNotepad(QPainter& p, QRectF r) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(255, 250, 215));
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 70, 70));
    p.drawRect(QRectF(r.left() + 0.6, r.top() + 0.6, r.width() - 1.2, 5));
    // Rows of favourite numbers as small balls on ruled lines.
    const QColor colors[] = {QColor(214, 48, 49), QColor(40, 120, 210), QColor(60, 170, 90),
                             QColor(240, 150, 30), QColor(140, 80, 190)};
    for (int row = 0; row < 4; ++row) {
        const qreal y = r.top() + 12 + row * 7.5;
        if (y > r.bottom() - 4) break;
        p.setPen(QPen(QColor(120, 150, 200), 1.0));
        p.drawLine(QPointF(r.left() + 3, y + 3.2), QPointF(r.right() - 3, y + 3.2));
        for (int i = 0; i < 3 - (row % 2); ++i) {
            drawBall(p, QPointF(r.left() + 7 + i * 7.5, y), 3.0, colors[(row * 2 + i) % 5],
                     QString());
        }
    }
}

void drawStar(QPainter& p, QPointF c, qreal r) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal rr = (i % 2 == 0) ? r : r * 0.45;
        star << c + QPointF(qCos(a) * rr, qSin(a) * rr);
    }
    QRadialGradient g(c + QPointF(-2, -2), r * 1.2);
    g.setColorAt(0, QColor(255, 240, 140));
    g.setColorAt(1, QColor(230, 160, 20));
    p.setPen(QPen(QColor(140, 90, 0), 1.0));
    p.setBrush(g);
    p.drawPolygon(star);
}

QImage glyph(int id) {
    QImage img = blank(kGlyphW, kGlyphH);
    QPainter p(&img);
    prepare(p);
    switch (id) {
        case 6:  // create a database
            drawCylinder(p, QRectF(10, 5, 30, 36), QColor(90, 130, 190));
            drawPlusBadge(p, QPointF(41, 37));
            break;
        case 7:  // create a ticket file
            drawTicket(p, QRectF(7, 9, 34, 26), QColor(60, 120, 200), -8);
            drawTicket(p, QRectF(12, 13, 34, 26), QColor(210, 60, 60), 4);
            drawPlusBadge(p, QPointF(43, 37));
            break;
        case 8:  // open a database
            drawFolderBack(p, QRectF(6, 14, 40, 28));
            drawCylinder(p, QRectF(16, 3, 20, 28), QColor(90, 130, 190));
            drawFolderFront(p, QRectF(6, 14, 40, 28));
            break;
        case 9:  // open a ticket file
            drawFolderBack(p, QRectF(6, 14, 40, 28));
            drawTicket(p, QRectF(13, 6, 28, 20), QColor(210, 60, 60), -6);
            drawFolderFront(p, QRectF(6, 14, 40, 28));
            break;
        case 10: {  // enter new winning numbers
            drawBall(p, QPointF(17, 30), 10, QColor(215, 50, 50), QStringLiteral("7"));
            drawBall(p, QPointF(35, 30), 10, QColor(40, 110, 210), QStringLiteral("23"));
            drawBall(p, QPointF(26, 14), 10, QColor(240, 170, 20), QStringLiteral("41"));
            drawPlusBadge(p, QPointF(44, 39));
            break;
        }
        case 11:  // statistics
            drawBars(p, QRectF(11, 8, 34, 32));
            break;
        case 12:  // favourite numbers
            drawNotepad(p, QRectF(9, 5, 30, 38));
            drawStar(p, QPointF(39, 35), 9);
            break;
        case 13:  // statistics options
            drawBars(p, QRectF(8, 7, 30, 30));
            drawGear(p, QPointF(39, 35), 10);
            break;
        case 14:  // import a wheeling table
            drawWheel(p, QPointF(36, 24), 14);
            drawArrow(p, QPointF(2, 24), QPointF(17, 24), QColor(40, 160, 70));
            break;
        case 15: {  // help
            const QPointF c(27.5, 24.5);
            QRadialGradient g(c + QPointF(-6, -7), 26);
            g.setColorAt(0, QColor(120, 180, 255));
            g.setColorAt(0.6, QColor(40, 100, 210));
            g.setColorAt(1, QColor(20, 50, 130));
            p.setPen(QPen(QColor(15, 40, 100), 1.2));
            p.setBrush(g);
            p.drawEllipse(c, 18, 18);
            p.setPen(Qt::white);
            p.setFont(font("DejaVu Sans", 26, true));
            p.drawText(QRectF(c.x() - 18, c.y() - 18, 36, 37), Qt::AlignCenter,
                       QStringLiteral("?"));
            QRadialGradient shine(c + QPointF(-7, -9), 9);
            shine.setColorAt(0, QColor(255, 255, 255, 150));
            shine.setColorAt(1, QColor(255, 255, 255, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(shine);
            p.drawEllipse(c + QPointF(-7, -9), 9, 9);
            break;
        }
        default:
            break;
    }
    return img;
}

// The 4 x 44 etched divider between gadget groups.
QImage divider() {
    QImage img = blank(4, 44);
    for (int y = 0; y < 44; ++y) {
        img.setPixelColor(1, y, QColor(128, 128, 128));
        img.setPixelColor(2, y, QColor(255, 255, 255));
    }
    return img;
}

const QColor kBallColors[] = {QColor(214, 48, 49),  QColor(240, 150, 30), QColor(245, 205, 50),
                              QColor(60, 170, 90),  QColor(40, 120, 210), QColor(140, 80, 190),
                              QColor(230, 90, 150), QColor(30, 160, 170)};

QImage splash() {
    const int w = 400, h = 139;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    QLinearGradient bg(0, 0, w, h);
    bg.setColorAt(0.0, QColor(12, 24, 52));
    bg.setColorAt(0.6, QColor(18, 50, 78));
    bg.setColorAt(1.0, QColor(10, 60, 72));
    p.fillRect(img.rect(), bg);
    QRadialGradient glow(QPointF(330, 70), 140);
    glow.setColorAt(0, QColor(255, 220, 140, 60));
    glow.setColorAt(1, QColor(255, 220, 140, 0));
    p.fillRect(img.rect(), glow);

    // Faint rings like a drawing drum.
    p.setPen(QPen(QColor(255, 255, 255, 22), 1.0));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(330, 72), 36.0 + i * 16, 40.0 + i * 16);

    struct B {
        qreal x, y, r;
        int color;
        const char* n;
    };
    const B balls[] = {{292, 100, 17, 0, "7"}, {328, 78, 20, 4, "23"}, {366, 104, 16, 3, "14"},
                       {367, 52, 15, 2, "36"}, {322, 34, 14, 5, "41"}, {385, 80, 12, 1, "49"},
                       {284, 58, 12, 6, "3"}};
    for (const B& b : balls) {
        drawBall(p, QPointF(b.x, b.y), b.r, kBallColors[b.color], QString::fromLatin1(b.n));
    }

    QFont title = font("DejaVu Serif", 33, true);
    p.setFont(title);
    const QRectF titleRect(20, 22, 240, 56);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(titleRect.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quorvantile"));
    QLinearGradient gold(0, titleRect.top() + 10, 0, titleRect.bottom() - 8);
    gold.setColorAt(0, QColor(255, 240, 180));
    gold.setColorAt(0.5, QColor(246, 196, 80));
    gold.setColorAt(1, QColor(200, 140, 40));
    p.setPen(QPen(QBrush(gold), 1));
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorvantile"));

    p.setPen(QPen(QColor(246, 196, 80, 160), 1.0));
    p.drawLine(QPointF(22, 82), QPointF(238, 82));
    p.setPen(QColor(214, 226, 240));
    p.setFont(font("DejaVu Sans", 12.5, false));
    p.drawText(QRectF(22, 88, 240, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Lottery statistics, wheels and tickets"));
    p.setPen(QPen(QColor(246, 196, 80, 90), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return img;
}

// Dark desktop with faint balls scattered without overlap; every ball is drawn at its
// wrapped places too, so tiles join without seams.
QImage wallpaper() {
    const int w = 640, h = 480;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(22, 38, 54));
    QPainter p(&img);
    prepare(p);

    struct B {
        QPointF c;
        qreal r;
    };
    QList<B> placed;
    quint32 seed = 20240613u;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % quint32(range));
    };
    auto wrappedGap = [&](const B& a, const B& b) {
        qreal dx = qAbs(a.c.x() - b.c.x()), dy = qAbs(a.c.y() - b.c.y());
        dx = qMin(dx, w - dx);
        dy = qMin(dy, h - dy);
        return qSqrt(dx * dx + dy * dy) - a.r - b.r;
    };
    for (int attempt = 0; attempt < 4000 && placed.size() < 18; ++attempt) {
        const qreal r = placed.size() < 5 ? 34 + next(14) : 16 + next(16);
        const B candidate{QPointF(next(w), next(h)), r};
        bool free = true;
        for (const B& other : placed) free = free && wrappedGap(candidate, other) > 28;
        if (!free) continue;
        placed.append(candidate);
        const int color = next(8);
        const QString label = QString::number(1 + next(49));
        const qreal alpha = 0.16 + next(14) / 100.0;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                drawBall(p, candidate.c + QPointF(dx * w, dy * h), r, kBallColors[color], label,
                         alpha);
            }
        }
    }
    return img;
}

QImage icon(int size) {
    QImage img = blank(size, size);
    QPainter p(&img);
    prepare(p);
    const qreal r = size * 0.46;
    drawBall(p, QPointF(size / 2.0, size / 2.0), r, QColor(214, 48, 49),
             size >= 24 ? QStringLiteral("Q") : QString());
    return img;
}

bool save(const QImage& img, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("src/gui/resources/images");
    QDir dir(out);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out));
        return 1;
    }
    bool ok = save(splash(), dir, QStringLiteral("splash_997.png"));
    ok = save(wallpaper(), dir, QStringLiteral("wallpaper_999.png")) && ok;
    for (int id = 6; id <= 15; ++id) {
        ok = save(glyph(id), dir, QStringLiteral("glyph_%1.png").arg(id)) && ok;
    }
    ok = save(divider(), dir, QStringLiteral("divider_1.png")) && ok;
    for (int size : {16, 32, 48, 64}) {
        ok = save(icon(size), dir, QStringLiteral("icon_1_%1.png").arg(size)) && ok;
    }
    return ok ? 0 : 1;
}
