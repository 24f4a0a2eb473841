// Draws the default background pictures of the database, ticket and statistics windows as
// 256-colour bitmaps, the kind whose colour table the windows lighten. Run by hand:
//   QT_QPA_PLATFORM=offscreen make_backgrounds data
// Both pictures tile without seams. They are light enough for dark text at the fades the
// settings start with, and coloured enough that a fade visibly lightens them. The output is
// committed; the drawing is deterministic (no library random numbers).

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#include "generator_support.h"

namespace {

using namespace qv::tools;

constexpr int kScale = 4;  // drawn this much larger, then averaged down, for soft edges

// Smooth noise that repeats every `cellsX` x `cellsY` cells, so a tile's edges meet.
class TilingNoise {
public:
    TilingNoise(int cellsX, int cellsY, std::uint32_t seed)
        : cx_(cellsX), cy_(cellsY), values_(std::size_t(cellsX) * cellsY) {
        Lcg rng(seed);
        for (double& v : values_) v = rng.next() * 2.0 - 1.0;
    }
    // u, v in cells.
    double at(double u, double v) const {
        const int i = int(std::floor(u));
        const int j = int(std::floor(v));
        const double fu = smooth(u - i);
        const double fv = smooth(v - j);
        const double a = value(i, j) + (value(i + 1, j) - value(i, j)) * fu;
        const double b = value(i, j + 1) + (value(i + 1, j + 1) - value(i, j + 1)) * fu;
        return a + (b - a) * fv;
    }

private:
    static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
    double value(int i, int j) const {
        i = ((i % cx_) + cx_) % cx_;
        j = ((j % cy_) + cy_) % cy_;
        return values_[std::size_t(j) * cx_ + i];
    }
    int cx_, cy_;
    std::vector<double> values_;
};

// Draws `paint` nine times, shifted by a whole tile each way, so whatever crosses an edge
// comes back in at the opposite one.
void drawWrapped(QPainter& p, int w, int h, const std::function<void(QPainter&)>& paint) {
    for (int dy : {-h, 0, h}) {
        for (int dx : {-w, 0, w}) {
            p.save();
            p.translate(dx, dy);
            paint(p);
            p.restore();
        }
    }
}

// A lottery ball: a softly shaded sphere with the white disc that carries its number.
void drawBall(QPainter& p, QPointF c, qreal r, QColor base) {
    QRadialGradient body(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    body.setColorAt(0.0, base.lighter(130));
    body.setColorAt(0.5, base);
    body.setColorAt(1.0, base.darker(112));
    p.setPen(QPen(base.darker(118), r * 0.07));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 244));
    p.drawEllipse(c, r * 0.45, r * 0.45);
}

// Guilloche: wavy lines across the tile like the security print of a ticket. The waves
// repeat a whole number of times per tile width and the lines are spaced to fill its
// height evenly.
void drawGuilloche(QPainter& p, int w, int h, int lines, int waves, qreal amplitude,
                   qreal phaseStep, const QPen& pen) {
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < lines; ++k) {
        const qreal y0 = (k + 0.5) * h / lines;
        QPainterPath path;
        for (int x = -w; x <= 2 * w; x += 2) {
            const qreal t = qreal(x) / w;
            const qreal y = y0 + amplitude * std::sin(kTwoPi * waves * t + k * phaseStep);
            if (x == -w)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        // The path already runs a tile past each side; only the rows need repeating.
        for (int dy : {-h, 0, h}) p.drawPath(path.translated(0, dy));
    }
}

// Averages each kScale x kScale block of the large drawing and adds the paper's grain.
QImage downsample(const QImage& big, const TilingNoise& grain, int grainCells, double depth) {
    const int w = big.width() / kScale;
    const int h = big.height() / kScale;
    QImage out(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < kScale; ++j) {
                const QRgb* row = reinterpret_cast<const QRgb*>(big.constScanLine(y * kScale + j));
                for (int i = 0; i < kScale; ++i) {
                    const QRgb c = row[x * kScale + i];
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            const int n = kScale * kScale;
            const double u = double(x) * grainCells / w;
            const double v = double(y) * grainCells / h;
            const int d = int(std::lround(depth * grain.at(u, v)));
            auto chan = [&](int sum) { return std::clamp((sum + n / 2) / n + d, 0, 255); };
            out.setPixel(x, y, qRgb(chan(r), chan(g), chan(b)));
        }
    }
    return out;
}

// --- Reduction to 256 colours ------------------------------------------------------------

struct Weighted {
    std::array<int, 3> c;
    long count;
};

double distance2(const std::array<int, 3>& a, const std::array<double, 3>& b) {
    double s = 0.0;
    for (int k = 0; k < 3; ++k) s += (a[k] - b[k]) * (a[k] - b[k]);
    return s;
}

// Median cut on the picture's colours, then a few rounds of k-means to settle the palette.
std::vector<QRgb> makePalette(const QImage& image, int size) {
    std::map<QRgb, long> histogram;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++histogram[image.pixel(x, y) | 0xff000000u];
    std::vector<Weighted> colours;
    for (const auto& [rgb, count] : histogram)
        colours.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, count});

    std::vector<std::vector<Weighted>> boxes{colours};
    while (int(boxes.size()) < size) {
        // Split the box with the widest spread of any channel.
        int best = -1, bestChannel = 0, bestRange = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2) continue;
            for (int k = 0; k < 3; ++k) {
                const auto [lo, hi] = std::minmax_element(
                    boxes[i].begin(), boxes[i].end(),
                    [k](const Weighted& a, const Weighted& b) { return a.c[k] < b.c[k]; });
                if (hi->c[k] - lo->c[k] > bestRange) {
                    bestRange = hi->c[k] - lo->c[k];
                    best = i;
                    bestChannel = k;
                }
            }
        }
        if (best < 0) break;
        std::vector<Weighted> box = std::move(boxes[best]);
        std::sort(box.begin(), box.end(), [bestChannel](const Weighted& a, const Weighted& b) {
            return a.c[bestChannel] < b.c[bestChannel];
        });
        long total = 0;
        for (const Weighted& w : box) total += w.count;
        long half = 0;
        std::size_t cut = 0;
        while (cut + 1 < box.size() && half + box[cut].count <= total / 2) half += box[cut++].count;
        cut = std::max<std::size_t>(cut, 1);
        boxes[best] = std::vector<Weighted>(box.begin(), box.begin() + long(cut));
        boxes.emplace_back(box.begin() + long(cut), box.end());
    }

    std::vector<std::array<double, 3>> centres;
    for (const auto& box : boxes) {
        std::array<double, 3> sum{};
        long n = 0;
        for (const Weighted& w : box) {
            for (int k = 0; k < 3; ++k) sum[k] += double(w.c[k]) * w.count;
            n += w.count;
        }
        for (double& s : sum) s /= double(n);
        centres.push_back(sum);
    }
    for (int round = 0; round < 8; ++round) {
        std::vector<std::array<double, 3>> sums(centres.size(), {0, 0, 0});
        std::vector<long> counts(centres.size(), 0);
        for (const Weighted& w : colours) {
            std::size_t nearest = 0;
            double bestD = distance2(w.c, centres[0]);
            for (std::size_t i = 1; i < centres.size(); ++i) {
                const double d = distance2(w.c, centres[i]);
                if (d < bestD) bestD = d, nearest = i;
            }
            for (int k = 0; k < 3; ++k) sums[nearest][k] += double(w.c[k]) * w.count;
            counts[nearest] += w.count;
        }
        for (std::size_t i = 0; i < centres.size(); ++i)
            if (counts[i] > 0)
                for (int k = 0; k < 3; ++k) centres[i][k] = sums[i][k] / double(counts[i]);
    }

    std::vector<QRgb> palette;
    for (const auto& c : centres)
        palette.push_back(
            qRgb(int(std::lround(c[0])), int(std::lround(c[1])), int(std::lround(c[2]))));
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

std::vector<std::uint8_t> mapToPalette(const QImage& image, const std::vector<QRgb>& palette) {
    std::vector<std::uint8_t> indices;
    std::map<QRgb, std::uint8_t> cache;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            auto it = cache.find(rgb);
            if (it == cache.end()) {
                const std::array<int, 3> c{qRed(rgb), qGreen(rgb), qBlue(rgb)};
                std::size_t nearest = 0;
                double bestD = 1e9;
                for (std::size_t i = 0; i < palette.size(); ++i) {
                    const std::array<double, 3> p{double(qRed(palette[i])),
                                                  double(qGreen(palette[i])),
                                                  double(qBlue(palette[i]))};
                    const double d = distance2(c, p);
                    if (d < bestD) bestD = d, nearest = i;
                }
                it = cache.emplace(rgb, std::uint8_t(nearest)).first;
            }
            indices.push_back(it->second);
        }
    }
    return indices;
}

// --- 8-bit bitmap file -------------------------------------------------------------------

// A bottom-up 8-bit bitmap with a full 256-entry colour table (unused entries white).
bool writeIndexedBmp(const QString& path, int w, int h, const std::vector<QRgb>& palette,
                     const std::vector<std::uint8_t>& indices) {
    const int stride = (w + 3) & ~3;
    const std::uint32_t tableBytes = 256 * 4;
    const std::uint32_t offset = 14 + 40 + tableBytes;
    const std::uint32_t imageBytes = std::uint32_t(stride) * std::uint32_t(h);

    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, std::uint32_t(w));
    put32(out, std::uint32_t(h));
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);  // no compression
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, 256);
    put32(out, 0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[std::size_t(i)] : qRgb(255, 255, 255);
        out.push_back(std::uint8_t(qBlue(c)));
        out.push_back(std::uint8_t(qGreen(c)));
        out.push_back(std::uint8_t(qRed(c)));
        out.push_back(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) out.push_back(indices[std::size_t(y) * w + x]);
        for (int x = w; x < stride; ++x) out.push_back(0);
    }
    return writeBytes(path.toStdString(), out);
}

bool saveIndexed(const QImage& picture, const QDir& dir, const QString& name) {
    const std::vector<QRgb> palette = makePalette(picture, 256);
    const std::vector<std::uint8_t> indices = mapToPalette(picture, palette);
    const QString path = dir.filePath(name);
    if (!writeIndexedBmp(path, picture.width(), picture.height(), palette, indices)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    const QImage check(path);
    if (check.format() != QImage::Format_Indexed8) {
        std::fprintf(stderr, "%s does not read back as an indexed picture\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %dx%d, %d colours used\n", qPrintable(path), picture.width(), picture.height(),
                int(palette.size()));
    return true;
}

QImage canvas(int w, int h, QColor paper) {
    QImage big(w * kScale, h * kScale, QImage::Format_RGB32);
    big.fill(paper);
    return big;
}

// --- The pictures ------------------------------------------------------------------------

// The database and ticket windows (fade 0 by default): a pale blue play slip with faint
// coral number boxes over security waves. Rows of numbers are read over it at full strength,
// so it stays quiet: no strong colour sits where text goes.
QImage playSlip() {
    constexpr int w = 128, h = 128;
    QImage big = canvas(w, h, QColor(222, 236, 251));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);

    drawGuilloche(p, w, h, 8, 2, 3.5, 0.9, QPen(QColor(204, 224, 246), 1.1));
    drawGuilloche(p, w, h, 8, 3, 2.5, 2.1, QPen(QColor(210, 228, 248), 0.8));

    // Four rows of four boxes; odd rows shifted half a box like a printed slip.
    const QColor boxLine(240, 196, 188);
    const QColor boxFill(232, 242, 253);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const qreal cx = col * 32 + 16 + (row % 2) * 16;
            const qreal cy = row * 32 + 16;
            drawWrapped(p, w, h, [&](QPainter& q) {
                q.setPen(QPen(boxLine, 0.9));
                q.setBrush(boxFill);
                q.drawRoundedRect(QRectF(cx - 10, cy - 12, 20, 24), 3, 3);
                // The little corner brackets of a slip's box.
                q.setPen(QPen(boxLine.lighter(106), 0.8));
                q.drawLine(QPointF(cx - 5, cy + 8), QPointF(cx + 5, cy + 8));
            });
        }
    }
    p.end();
    return downsample(big, TilingNoise(16, 16, 0x5eed01u), 16, 2.0);
}

// The statistics windows (fade 40 by default): a golden ticket with a perforated edge,
// diagonal guilloche and scattered number balls.
QImage goldenTicket() {
    constexpr int w = 160, h = 120;
    QImage big = canvas(w, h, QColor(242, 216, 128));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);

    // Soft diagonal bands: x + y repeats every 40 pixels, which divides both sides.
    for (int k = -8; k < 8; ++k) {
        QPainterPath band;
        const qreal x0 = k * 40;
        band.moveTo(x0, 0);
        band.lineTo(x0 + 20, 0);
        band.lineTo(x0 + 20 - h, h);
        band.lineTo(x0 - h, h);
        band.closeSubpath();
        p.fillPath(band, QColor(246, 224, 146));
    }
    drawGuilloche(p, w, h, 6, 2, 5.0, 1.3, QPen(QColor(226, 190, 96), 1.0));
    drawGuilloche(p, w, h, 6, 4, 2.5, 2.7, QPen(QColor(232, 202, 112), 0.8));

    // Tear-off perforation across the middle.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 160, 72));
    for (int x = 0; x < w; x += 8) {
        drawWrapped(p, w, h, [&](QPainter& q) { q.drawEllipse(QPointF(x + 4, 60), 1.4, 1.4); });
    }

    struct Ball {
        qreal x, y, r;
        QColor colour;
    };
    const Ball balls[] = {{24, 26, 8, QColor(70, 172, 200)},
                          {96, 34, 6, QColor(226, 104, 84)},
                          {140, 14, 7, QColor(104, 178, 84)},
                          {56, 92, 7, QColor(96, 136, 218)},
                          {128, 96, 6, QColor(164, 112, 206)}};
    for (const Ball& b : balls) {
        drawWrapped(p, w, h, [&](QPainter& q) { drawBall(q, QPointF(b.x, b.y), b.r, b.colour); });
    }
    p.end();
    return downsample(big, TilingNoise(20, 15, 0x5eed02u), 20, 3.0);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data");
    QDir dir(out);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out));
        return 1;
    }
    bool ok = saveIndexed(playSlip(), dir, QStringLiteral("qvtbg.bmp"));
    ok = saveIndexed(goldenTicket(), dir, QStringLiteral("ticket.bmp")) && ok;
    return ok ? 0 : 1;
}
