// SPDX-License-Identifier: MIT
#include "editor/interchange/MoodleReader.h"

#include "editor/interchange/HtmlText.h"
#include "editor/interchange/TextInput.h"
#include "editor/interchange/XmlStream.h"

#include <charconv>
#include <vector>

namespace qv::interchange {
namespace {

constexpr std::size_t maxTextBytes = 1 << 20;
constexpr std::size_t maxQuestions = 200000;

struct Answer {
    std::string text;
    bool html = true;
    double fraction = 0;
};

struct Question {
    int line = 0;
    std::string type;
    std::string text;
    bool html = true;
    std::vector<Answer> answers;
};

bool isHtml(const char* format) {
    // Moodle's own default is HTML; the plain and wiki formats are not.
    return format == nullptr || std::string_view(format) == "html";
}

std::string plainText(const std::string& text, bool html) {
    return html ? plainFromHtml(text) : text;
}

double fractionOf(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    const std::string_view value = trimmedView(text);
    double number = 0;
    const auto [end, problem] = std::from_chars(value.data(), value.data() + value.size(), number);
    return problem == std::errc() ? number : 0;
}

class QuizHandler : public XmlHandler {
public:
    QuizHandler(SourceRecords& records, XmlStream*& stream) : records_(records), stream_(stream) {}

    void start(std::string_view name, const char* const* attributes) override {
        path_.emplace_back(name);
        if (name == "question" && path_.size() == 2) {
            if (records_.size() >= maxQuestions) {
                stream_->stop("the file holds more than " + std::to_string(maxQuestions) +
                              " questions");
                return;
            }
            question_ = Question{};
            question_.line = stream_->line();
            const char* type = xmlAttribute(attributes, "type");
            question_.type = type != nullptr ? type : "";
            inQuestion_ = true;
        } else if (!inQuestion_) {
            return;
        } else if (name == "questiontext" && path_.size() == 3) {
            question_.html = isHtml(xmlAttribute(attributes, "format"));
        } else if (name == "answer" && path_.size() == 3 && question_.answers.size() < 100) {
            question_.answers.push_back({{},
                                         isHtml(xmlAttribute(attributes, "format")),
                                         fractionOf(xmlAttribute(attributes, "fraction"))});
        }
    }

    void end(std::string_view name) override {
        if (name == "question" && path_.size() == 2 && inQuestion_) {
            inQuestion_ = false;
            finish();
        }
        if (!path_.empty()) {
            path_.pop_back();
        }
    }

    void text(std::string_view text) override {
        if (!inQuestion_ || path_.size() != 4 || path_[3] != "text") {
            return;
        }
        std::string* into = nullptr;
        if (path_[2] == "questiontext") {
            into = &question_.text;
        } else if (path_[2] == "answer" && !question_.answers.empty()) {
            into = &question_.answers.back().text;
        }
        if (into != nullptr && into->size() + text.size() <= maxTextBytes) {
            into->append(text);
        }
    }

private:
    void finish() {
        const int line = question_.line;
        if (question_.type == "category") {
            return;
        }
        if (question_.type != "multichoice") {
            records_.push_back(
                refusedRecord(line, question_.type.empty()
                                        ? std::string("a question without a type")
                                        : "a question of type \"" + quotable(question_.type) +
                                              "\"; only multiple-choice questions are imported"));
            return;
        }
        if (question_.answers.size() != 4) {
            records_.push_back(refusedRecord(line, "the question has " +
                                                       std::to_string(question_.answers.size()) +
                                                       " answers; a question here needs four"));
            return;
        }
        SourceRecord record;
        record.line = line;
        record.question = plainText(question_.text, question_.html);
        int right = 0;
        int partial = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const Answer& answer = question_.answers[k];
            record.answers[k] = plainText(answer.text, answer.html);
            if (answer.fraction >= 99.99) {
                if (right == 0) {
                    right = static_cast<int>(k) + 1;
                } else {
                    right = -1;
                }
            } else if (answer.fraction > 0) {
                ++partial;
            }
        }
        if (right <= 0 || partial > 0) {
            records_.push_back(
                refusedRecord(line, right < 0     ? "more than one answer is worth 100%"
                                    : partial > 0 ? "answers give part of the marks; one answer "
                                                    "must be worth 100% and the others nothing"
                                                  : "no answer is worth 100%"));
            return;
        }
        record.correct = std::to_string(right);
        records_.push_back(std::move(record));
    }

    SourceRecords& records_;
    XmlStream*& stream_;
    std::vector<std::string> path_;
    Question question_;
    bool inQuestion_ = false;
};

} // namespace

SourceRecords readMoodle(std::string_view utf8) {
    SourceRecords records;
    XmlStream* slot = nullptr;
    QuizHandler handler(records, slot);
    // The text is UTF-8 by now, whatever the declaration says.
    XmlStream stream(handler, 64, "UTF-8");
    slot = &stream;
    if (!stream.feed(utf8, true)) {
        records.push_back(
            refusedRecord(stream.line(), "not readable as Moodle XML: " + stream.error()));
    }
    return records;
}

} // namespace qv::interchange
