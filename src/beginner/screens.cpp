#include "app/application.h"
#include "app/form.h"

namespace kairo {

QWidget* createBeginnerScreen(Application&, ScreenId id) {
  const QByteArray name = ScreenRegistry::name(id).toUtf8();
  return buildForm(FormSpec{name.constData(), name.constData(), 4680, 3192});
}

}  // namespace kairo
