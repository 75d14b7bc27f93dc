#include "tests/media/pdf_placement.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTransform>
#include <vector>

namespace fotivo::test {

namespace {

QByteArray streamdata(const QByteArray& pdf, qsizetype dictStart, qsizetype dataStart) {
  const qsizetype end = pdf.indexOf("endstream", dataStart);
  QByteArray data = pdf.mid(dataStart, end - dataStart);
  if (pdf.mid(dictStart, dataStart - dictStart).contains("/FlateDecode")) {
    // qUncompress wants the expected size first; it grows its buffer when that is short.
    data.prepend(QByteArray("\x00\x01\x00\x00", 4));
    data = qUncompress(data);
  }
  return data;
}

// Runs q, Q and cm of a content stream up to the first image drawn; gives its rectangle.
std::optional<QRectF> firstimage(const QByteArray& content) {
  QTransform ctm;
  std::vector<QTransform> saved;
  std::vector<double> operands;
  for (const QByteArray& token : content.simplified().split(' ')) {
    bool number = false;
    const double value = token.toDouble(&number);
    if (number) {
      operands.push_back(value);
      continue;
    }
    if (token == "q") saved.push_back(ctm);
    if (token == "Q" && !saved.empty()) {
      ctm = saved.back();
      saved.pop_back();
    }
    if (token == "cm" && operands.size() >= 6) {
      const double* m = &operands[operands.size() - 6];
      ctm = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) * ctm;
    }
    if (token == "Do") return ctm.mapRect(QRectF(0, 0, 1, 1));
    if (!token.startsWith('/')) operands.clear();
  }
  return std::nullopt;
}

}  // namespace

std::optional<Placement> imageplacement(const QByteArray& pdf) {
  static const QRegularExpression mediaBox(R"(/MediaBox \[([\d.]+) ([\d.]+) ([\d.]+) ([\d.]+)\])");
  const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(pdf));
  if (!box.hasMatch()) return std::nullopt;
  const QRectF page(box.captured(1).toDouble(), box.captured(2).toDouble(),
                    box.captured(3).toDouble() - box.captured(1).toDouble(),
                    box.captured(4).toDouble() - box.captured(2).toDouble());
  // Every stream that is not an image is a candidate content stream.
  for (qsizetype at = pdf.indexOf("stream"); at >= 0; at = pdf.indexOf("stream", at + 6)) {
    if (at >= 3 && pdf.mid(at - 3, 3) == "end") continue;
    const qsizetype dictStart = pdf.lastIndexOf("obj", at);
    qsizetype dataStart = at + 6;
    if (pdf.at(dataStart) == '\r') ++dataStart;
    if (pdf.at(dataStart) == '\n') ++dataStart;
    if (pdf.mid(dictStart, at - dictStart).contains("/Subtype /Image")) continue;
    if (std::optional<QRectF> image = firstimage(streamdata(pdf, dictStart, dataStart)))
      return Placement{page, *image};
  }
  return std::nullopt;
}

}  // namespace fotivo::test
