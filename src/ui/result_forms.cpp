#include "ui/result_forms.h"

#include <vector>

#include "ui/session.h"

namespace kairo {
namespace {

constexpr FontSpec kHeadline{Face::Gothic, 36, false};
constexpr FontSpec kRetryLine{Face::Gothic, 14.4, true};

ControlRow row(const char* name, Kind kind, const char* text, Rect r, FontSpec font = {},
               Tint tint = Tint::Default) {
  return ControlRow{name, kind, text, r.left, r.top, r.width, r.height, nullptr, tint, font};
}

const char* caption(ResultKind kind) {
  switch (kind) {
    case ResultKind::Correct:
      return QT_TRANSLATE_NOOP("Kairo", "正解画面");
    case ResultKind::Incorrect:
      return QT_TRANSLATE_NOOP("Kairo", "不正解画面");
    case ResultKind::Selection:
      return QT_TRANSLATE_NOOP("Kairo", "選択画面");
  }
  return "";
}

}  // namespace

QWidget* buildResultForm(Session& app, const ResultForm& result) {
  std::vector<ControlRow> rows;
  const QByteArray name = ScreenRegistry::name(result.id).toUtf8();
  switch (result.kind) {
    case ResultKind::Correct:
      rows.push_back(row("Label1", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "正解！"), result.label1,
                         kHeadline));
      if (result.pass)
        rows.push_back(row("Label2", Kind::Label, result.pass, result.second, result.passFont));
      rows.push_back(row("Command1", Kind::PictureButton, result.face, result.command1));
      break;
    case ResultKind::Incorrect:
      rows.push_back(row("Label1", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "不正解！"),
                         result.label1, kHeadline));
      rows.push_back(row("Label2", Kind::Label,
                         QT_TRANSLATE_NOOP("Kairo", "もう一度計算しなおして下さい。"),
                         result.second, kRetryLine));
      rows.push_back(row("Command1", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "戻る"),
                         result.command1));
      break;
    case ResultKind::Selection:
      rows.push_back(row("Label1", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "不正解！"),
                         result.label1, kHeadline));
      rows.push_back(row("Command1", Kind::PictureButton,
                         QT_TRANSLATE_NOOP("Kairo", "もう一度やり直す"), result.command1));
      rows.push_back(row("Command2", Kind::PictureButton,
                         QT_TRANSLATE_NOOP("Kairo", "どこで間違ったか調べる"), result.second));
      break;
  }
  QWidget* form =
      buildForm(FormSpec{name.constData(), caption(result.kind), result.width, result.height,
                         result.left, result.top, Background::Default, rows});
  if (result.kind == ResultKind::Incorrect && !result.back.isNone()) {
    const ScreenId self = result.id, back = result.back;
    onClick(form, "Command1", [&app, self, back] {
      app.hide(self);
      app.open(back);
    });
  }
  return form;
}

QWidget* buildEndForm(ScreenId id, int left, int top, int width, int height, const char* sentence,
                      const char* formula) {
  constexpr FontSpec kMincho{Face::Mincho, 19.8, true};
  const ControlRow rows[] = {
      row("Label1", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "不正解！"), {1800, 240, 2892, 852},
          kHeadline),
      row("Label2", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "出直してきなさい！！"),
          {1560, 1440, 3852, 492}, {Face::Gothic, 18, true}, Tint::Red),
      row("Label3", Kind::Label,
          QT_TRANSLATE_NOOP("Kairo",
                            "並列合成抵抗を求める公式は"
                            "　　　　　　　　　　　　　　　　　　　"),
          {360, 2160, 6132, 492}, kMincho),
      row("Label6", Kind::Label, sentence, {240, 2760, 6732, 612}, kMincho),
      row("Label4", Kind::Label, formula, {0, 3360, 7092, 612}, {Face::Mincho, 28.2, false}),
      row("Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "となります。勉強し直して下さい。"),
          {360, 4080, 5652, 612}, kMincho),
      row("Command1", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "END"),
          {2880, 5040, 1215, 735}),
  };
  const QByteArray name = ScreenRegistry::name(id).toUtf8();
  return buildForm(FormSpec{name.constData(), QT_TRANSLATE_NOOP("Kairo", "終了画面"), width, height,
                            left, top, Background::Default, rows});
}

}  // namespace kairo
