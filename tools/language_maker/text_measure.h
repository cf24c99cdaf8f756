#pragma once
// Measures texts as the platform's text functions will lay them out: a font of a point size at
// 96 dots per inch (character height = size * 96 / 72 pixels), each advance rounded the wider
// way, the line's ascent and descent from the font's Windows metrics.
#include <memory>
#include <string>

struct TextMetrics {
    int width = 0;     // advance width of the whole text
    int ascent = 0;    // cell above the baseline
    int descent = 0;   // cell below the baseline
    double middle = 0; // from the cell's top down to the optical middle of the writing
};

class TextMeasure {
  public:
    TextMeasure();
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    bool Open(const std::string& fontFile, std::string& error);
    // False (with the missing character named) when the font cannot draw the text.
    bool Measure(const std::u32string& text, int points, TextMetrics& metrics, std::string& error);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
