// Renders the wizard's SVG artwork at build time. For the Windows program:
//   render-pictures SVG_DIR OUT_DIR
// writes NAME_100.png, NAME_150.png and NAME_200.png for every picture (its drawing size
// at 100, 150 and 200 % of the display's scale), the program icon k4400-init.ico (16 to
// 256 pixels) from k4400-init.svg, and pictures.rc, the resource script naming them all.
// For the Linux program's window icon, which must neither load the SVG plugins nor decode
// an image at start:
//   render-pictures --icon ICON_SVG OUT_DIR
// writes k4400-init-SIZE.argb at 32, 48, 64 and 128 pixels: the pixels as a QImage of
// Format_ARGB32 holds them, row after row.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

const char kIcon[] = "k4400-init";

QImage Render(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 0);  // 0: smallest
    return bytes;
}

template <class T>
void Put(QByteArray& out, T value) {
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// An icon entry as Windows reads it at every size: a 32-bit DIB with its mask below 256
// pixels, PNG at 256.
QByteArray IconImage(const QImage& image) {
    if (image.width() >= 256) {
        return Png(image);
    }
    QByteArray out;
    const int w = image.width();
    const int h = image.height();
    Put<quint32>(out, 40);  // BITMAPINFOHEADER
    Put<qint32>(out, w);
    Put<qint32>(out, h * 2);  // colour and mask
    Put<quint16>(out, 1);
    Put<quint16>(out, 32);
    Put<quint32>(out, 0);  // BI_RGB
    Put<quint32>(out, 0);
    Put<qint32>(out, 0);
    Put<qint32>(out, 0);
    Put<quint32>(out, 0);
    Put<quint32>(out, 0);
    for (int y = h - 1; y >= 0; --y) {  // bottom-up rows of BGRA
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(row[x])));
            out.append(char(qGreen(row[x])));
            out.append(char(qRed(row[x])));
            out.append(char(qAlpha(row[x])));
        }
    }
    const int maskRow = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray bits(maskRow, '\0');
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 0) {
                bits[x / 8] = char(bits[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(bits);
    }
    return out;
}

QByteArray Icon(QSvgRenderer& renderer) {
    const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
    const int count = int(std::size(sizes));
    QByteArray header;
    QByteArray images;
    Put<quint16>(header, 0);
    Put<quint16>(header, 1);  // an icon
    Put<quint16>(header, quint16(count));
    int offset = 6 + 16 * count;
    for (int size : sizes) {
        const QByteArray image = IconImage(Render(renderer, QSize(size, size)));
        header.append(char(size >= 256 ? 0 : size));
        header.append(char(size >= 256 ? 0 : size));
        header.append(char(0));  // no palette
        header.append(char(0));
        Put<quint16>(header, 1);
        Put<quint16>(header, 32);
        Put<quint32>(header, quint32(image.size()));
        Put<quint32>(header, quint32(offset));
        offset += int(image.size());
        images.append(image);
    }
    return header + images;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "render-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A build step: no display is needed, nor wanted.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--icon") {
        QSvgRenderer renderer(QString::fromLocal8Bit(argv[2]));
        const QDir out(QString::fromLocal8Bit(argv[3]));
        QDir().mkpath(out.path());
        for (int size : {32, 48, 64, 128}) {
            const QString raw = QStringLiteral("%1-%2.argb").arg(kIcon).arg(size);
            const QImage image =
                renderer.isValid() ? Render(renderer, QSize(size, size)) : QImage();
            if (image.isNull() ||
                !Write(out.filePath(raw),
                       QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                  static_cast<int>(image.sizeInBytes())))) {
                return 1;
            }
        }
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: render-pictures SVG_DIR OUT_DIR\n"
                     "       render-pictures --icon ICON_SVG OUT_DIR\n");
        return 2;
    }
    const QDir in(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());
    QByteArray script = "// Made by render-pictures from the SVG artwork.\n";
    for (const QString& file : in.entryList({"*.svg"}, QDir::Files, QDir::Name)) {
        QSvgRenderer renderer(in.filePath(file));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "render-pictures: %s is not valid SVG\n", qPrintable(file));
            return 1;
        }
        const QString name = QFileInfo(file).completeBaseName();
        if (name == kIcon) {
            if (!Write(out.filePath(name + ".ico"), Icon(renderer))) {
                return 1;
            }
            script += "1 ICON \"" + out.absoluteFilePath(name + ".ico").toUtf8() + "\"\n";
            continue;
        }
        for (int percent : {100, 150, 200}) {
            const QSize size = renderer.defaultSize() * percent / 100;
            const QString png = QStringLiteral("%1_%2.png").arg(name).arg(percent);
            if (!Write(out.filePath(png), Png(Render(renderer, size)))) {
                return 1;
            }
            script += name.toUpper().toUtf8() + "_" + QByteArray::number(percent) + " RCDATA \"" +
                      out.absoluteFilePath(png).toUtf8() + "\"\n";
        }
    }
    return Write(out.filePath("pictures.rc"), script) ? 0 : 1;
}
