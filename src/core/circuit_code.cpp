#include "core/circuit_code.h"

#include <QCoreApplication>
#include <QList>

#include "core/exercise_state.h"
#include "core/expected.h"
#include "core/number.h"

namespace kairo {
namespace {

constexpr int kCodeLength = 8;

bool isDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

// A digit reads as its value, anything else (or nothing) as 0.
int numericValue(std::optional<char32_t> c) {
  return c && isDigit(*c) ? int(*c - U'0') : 0;
}

// "a" is the tenth step of every scale; it is the only letter with a meaning.
bool isTenth(std::optional<char32_t> c) {
  return c == U'a';
}

int stepOf(std::optional<char32_t> c) {
  return isTenth(c) ? 10 : numericValue(c);
}

QString stepLabel(std::optional<char32_t> c) {
  return isTenth(c) ? QStringLiteral("a") : QString::number(numericValue(c));
}

// The code's characters by position (1-based); a character is a code point, so a character the
// student sees as one is one position whatever its encoding.
class Code {
 public:
  // Full-width characters typed with an input method read as their ASCII forms.
  // "あ" is what the key "a" gives with the input method on, and "a" is the code's only letter.
  explicit Code(QStringView text) : chars_(text.toUcs4()) {
    for (uint& c : chars_) {
      if (c <= 0xFFFF) c = foldWidth(char16_t(c));
      if (c == U'あ') c = U'a';
    }
  }

  int length() const { return int(chars_.size()); }
  std::optional<char32_t> at(int position) const {
    if (position < 1 || position > length()) return std::nullopt;
    return char32_t(chars_[position - 1]);
  }
  std::optional<char32_t> kindChar(int element) const { return at(element + 1); }
  std::optional<char32_t> valueChar(int element) const { return at(element + 4); }
  bool allResistors() const {
    return kindChar(1) == U'1' && kindChar(2) == U'1' && kindChar(3) == U'1';
  }

 private:
  QList<uint> chars_;
};

ElementStep elementStep(const Code& code, int element, int kind) {
  const std::optional<char32_t> v = code.valueChar(element);
  const bool rNames = code.allResistors();
  ElementStep e;
  e.position = element;
  e.kind = kind;
  e.value = kind == 1 ? 10 * stepOf(v) : stepOf(v);
  e.reactance = kind == 2 ? capacitorReactance(e.value) : kind == 3 ? coilReactance(e.value) : 0.0;
  e.valueLabel = stepLabel(v);
  e.textLabel = (rNames ? QStringLiteral("R") : QStringLiteral("Z")) + QString::number(element);
  e.separator = rNames ? QStringLiteral("=") : QStringLiteral(":");
  return e;
}

ReplayStep stepAt(const Code& code, int position) {
  if (position == 1) {
    const std::optional<char32_t> c = code.at(1);
    return SourceStep{10.0 * stepOf(c), stepLabel(c)};
  }
  if (position >= 2 && position <= 4) {
    const std::optional<char32_t> c = code.at(position);
    if (c == U'1' || c == U'2' || c == U'3') return elementStep(code, position - 1, int(*c - U'0'));
    return std::monostate{};
  }
  if (position == kCodeLength) return FinishStep{code.allResistors(), *code.at(kCodeLength)};
  return std::monostate{};
}

QString positionName(int position) {
  if (position == 1) return QCoreApplication::translate("Kairo", "1文字目（電源電圧）");
  const int element = position <= 4 ? position - 1 : position - 4;
  return (position <= 4 ? QCoreApplication::translate("Kairo", "%1文字目（素子%2の種類）")
                        : QCoreApplication::translate("Kairo", "%1文字目（素子%2の値）"))
      .arg(position)
      .arg(element);
}

// Looked up when a code is refused, so that the sentence follows the language in use.
QString stepsAllowed() {
  return QCoreApplication::translate("Kairo", "1〜9 か a");
}
QString kindsAllowed() {
  return QCoreApplication::translate("Kairo", "1〜3");
}

// Why the code table has no meaning for the input, or nothing when it has. The source and the
// values are steps (a digit or "a"), and a 0 V source poses nothing to compute. The circuit class
// and the R/Z names depend on all three kind characters, so they must exist and be digits wherever
// those are needed.
std::optional<QString> meaningless(const Code& code, const std::vector<ReplayStep>& steps) {
  for (const int position : {1, 5, 6, 7}) {
    const std::optional<char32_t> c = code.at(position);
    if (c && !isDigit(*c) && !isTenth(c)) return codePositionRefusal(position, stepsAllowed());
  }
  if (code.at(1) == U'0') return codePositionRefusal(1, stepsAllowed());
  bool resistor = false;
  for (const ReplayStep& step : steps) {
    const auto* e = std::get_if<ElementStep>(&step);
    if (!e) continue;
    if (e->kind == 1) resistor = true;
    // −100 / C has no value for C = 0.
    if (e->kind == 2 && e->value == 0)
      return QCoreApplication::translate("Kairo", "%1はコンデンサでは %2 です。")
          .arg(positionName(e->position + 4), stepsAllowed());
  }
  if (resistor && code.length() < 4)
    return QCoreApplication::translate(
        "Kairo", "抵抗のある回路のコードは、素子3の種類（4文字目）まで入力して下さい。");
  if (resistor || code.length() >= kCodeLength) {
    for (int element = 1; element <= 3; ++element) {
      const std::optional<char32_t> c = code.kindChar(element);
      if (c && !isDigit(*c)) return codePositionRefusal(element + 1, kindsAllowed());
    }
  }
  return std::nullopt;
}

// A complete code opens an exercise, so its circuit must have the answers the exercise asks for.
bool hasAnswers(const std::vector<ReplayStep>& steps, const ExerciseState& current) {
  ExerciseState scratch = current;
  for (const ReplayStep& step : steps) applyStep(scratch, step);
  return hasAnswer(scratch);
}

}  // namespace

std::optional<ReplayPlan> decodeCircuitCode(QStringView text, const ExerciseState& current,
                                            QString* why) {
  const Code code(text);
  ReplayPlan plan;
  plan.steps.reserve(std::size_t(code.length()));
  for (int position = 1; position <= code.length(); ++position)
    plan.steps.push_back(stepAt(code, position));

  std::optional<QString> reason = meaningless(code, plan.steps);
  if (!reason && code.length() >= kCodeLength && !hasAnswers(plan.steps, current))
    reason = QCoreApplication::translate("Kairo", "この回路には答えがありません（共振など）。");
  if (!reason) return plan;
  if (why) *why = *reason;
  return std::nullopt;
}

QString codePositionRefusal(int position, QStringView allowed) {
  return QCoreApplication::translate("Kairo", "%1は %2 です。")
      .arg(positionName(position), allowed.toString());
}

QList<char32_t> foldedCode(QStringView text) {
  const Code code(text);
  QList<char32_t> out;
  for (int position = 1; position <= code.length(); ++position) out << *code.at(position);
  return out;
}

QString encodeCircuitCode(int voltageStep, const std::array<int, 3>& kinds,
                          const std::array<int, 3>& steps, QChar classChar) {
  const auto character = [](int step) { return step == 10 ? QChar(u'a') : QChar(u'0' + step); };
  QString code;
  code += character(voltageStep);
  for (int kind : kinds) code += QChar(u'0' + kind);
  for (int step : steps) code += character(step);
  if (classChar.isNull()) classChar = kinds == std::array{1, 1, 1} ? QChar(u'1') : QChar(u'2');
  code += classChar;
  return code;
}

void applyStep(ExerciseState& state, const ReplayStep& step) {
  if (const auto* source = std::get_if<SourceStep>(&step)) {
    state.voltageE = source->voltageE;
  } else if (const auto* e = std::get_if<ElementStep>(&step)) {
    state.kind(e->position) = e->kind;
    state.reactance(e->position) = e->reactance;
    if (e->kind == 1) {
      // A resistor leaves the element's L/C value as it was.
      state.resistance(e->position) = e->value;
    } else {
      state.lcValue(e->position) = e->value;
      state.resistance(e->position) = 0;
    }
  } else if (std::holds_alternative<FinishStep>(step)) {
    // The opened exercise starts a fresh question.
    state.missCount = 0;
  }
}

}  // namespace kairo
