// Loading a 12-megapixel picture into the viewer and copying it to the clipboard, and printing
// it to a PDF file at printer resolution. Reports the peak resident memory as well.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/image_box.h"
#include "app/modal_seam.h"
#include "media/print_picture.h"
#include "media/viewpix.h"

namespace {

QTemporaryDir* workDir = nullptr;
QString picture;

void makePicture() {
  QImage image(4000, 3000, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 4000, 3000);
  gradient.setColorAt(0, Qt::darkBlue);
  gradient.setColorAt(1, Qt::yellow);
  painter.fillRect(image.rect(), gradient);
  painter.end();
  picture = workDir->filePath("LARGE.JPG");
  image.save(picture, "JPEG", 90);
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void BM_LoadAndCopyToClipboard(benchmark::State& state) {
  fotivo::QtModalSeam seam;
  for (auto _ : state) {
    fotivo::Viewpix viewer(seam, nullptr);
    viewer.Load(picture);
    viewer.Cpytoclip();
    benchmark::DoNotOptimize(QApplication::clipboard()->image().width());
  }
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_LoadAndCopyToClipboard)->Unit(benchmark::kMillisecond);

void BM_PrintToPdf(benchmark::State& state) {
  fotivo::ImageBox box;
  box.setImageFile(picture);
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(workDir->filePath("out.pdf"));
    benchmark::DoNotOptimize(fotivo::printpicture(box, printer));
  }
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QTemporaryDir dir;
  workDir = &dir;
  makePicture();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
