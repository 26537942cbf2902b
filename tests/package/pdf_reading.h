// Reading a PDF back with poppler-utils: its text (pdftotext -layout) and its
// pages rendered to grey-scale images (pdftoppm).
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace calvix::testing {

struct CommandRun {
  int status = -1;
  std::string out;
};

inline CommandRun RunCommand(const std::string& command) {
  CommandRun run;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

inline std::string Quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

inline std::string PdfText(const std::filesystem::path& pdf) {
  return RunCommand("pdftotext -layout " + Quoted(pdf) + " -").out;
}

// The text with every run of blanks as one space (the layout mode spaces
// the words of a line as they stand on the page).
inline std::string Collapsed(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

// A page rendered as 8-bit grey pixels.
struct PageImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  // Pixels darker than mid-grey in the rows from `fromRow` (a fraction of the
  // height) down.
  int DarkPixelsBelow(double fromRow) const {
    int count = 0;
    for (int y = static_cast<int>(fromRow * height); y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (pixels[static_cast<std::size_t>(y * width + x)] < 128) ++count;
      }
    }
    return count;
  }
};

inline PageImage ReadPgm(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string magic;
  int maxValue = 0;
  PageImage image;
  in >> magic >> image.width >> image.height >> maxValue;
  in.get();
  image.pixels.resize(static_cast<std::size_t>(image.width * image.height));
  in.read(reinterpret_cast<char*>(image.pixels.data()),
          static_cast<std::streamsize>(image.pixels.size()));
  if (magic != "P5" || !in) image = PageImage{};
  return image;
}

// Every page of the PDF at 40 dpi, in page order.
inline std::vector<PageImage> RenderPages(const std::filesystem::path& pdf,
                                          const std::filesystem::path& folder) {
  RunCommand("pdftoppm -r 40 -gray " + Quoted(pdf) + " " + Quoted(folder / "page"));
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".pgm") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<PageImage> pages;
  for (const auto& file : files) pages.push_back(ReadPgm(file));
  return pages;
}

}  // namespace calvix::testing
