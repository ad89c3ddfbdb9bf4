#pragma once
// How every validation (values, mandatory items, geography) reports a finding: two lines appended
// to the caller's error text, the severity line and then the label, " : " and the message.

#include <string>
#include <string_view>

namespace ondrell {

enum class Severity { Fatal, Warning };

inline constexpr std::string_view kCrLf = "\r\n";

// Appends "FATAL ERROR : " or "WARNING : " + CR LF, then label + " : " + text + CR LF.
// Texts that already begin with " : " are appended to the label directly (no second " : ").
// The severity line, then label + separator + text + CR LF.
inline void AppendFindingLines(std::string &errors, Severity severity, std::string_view label,
                               std::string_view separator, std::string_view text) {
    errors += severity == Severity::Fatal ? "FATAL ERROR : " : "WARNING : ";
    errors += kCrLf;
    errors += label;
    errors += separator;
    errors += text;
    errors += kCrLf;
}

inline void AppendFinding(std::string &errors, Severity severity, std::string_view label,
                          std::string_view text) {
    AppendFindingLines(errors, severity, label, text.substr(0, 3) == " : " ? "" : " : ", text);
}

// Tracks one entry point's result while it appends findings: any fatal finding makes it false.
class FindingSink {
  public:
    FindingSink(std::string &errors, std::string_view label) : errors_(errors), label_(label) {}

    void Fatal(std::string_view text) { Add(Severity::Fatal, text); }
    // The rare fatal finding whose text follows the label directly, with no " : " between.
    void FatalAfterBareLabel(std::string_view text) {
        AppendFindingLines(errors_, Severity::Fatal, label_, "", text);
        ok_ = false;
    }
    void Warning(std::string_view text) { Add(Severity::Warning, text); }
    void Add(Severity severity, std::string_view text) {
        AppendFinding(errors_, severity, label_, text);
        if (severity == Severity::Fatal)
            ok_ = false;
    }
    // Folds in the result of a sub-group that reported through the same error text.
    void Merge(bool groupOk) { ok_ = ok_ && groupOk; }
    bool ok() const { return ok_; }
    std::string &errors() { return errors_; }
    std::string_view label() const { return label_; }

  private:
    std::string &errors_;
    std::string label_;
    bool ok_ = true;
};

} // namespace ondrell
