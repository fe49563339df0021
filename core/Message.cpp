#include "core/Message.h"

#include "core/DataModel.h"
#include "platform/Ui.h"

int ShowMessage(const Message& m) { return Ui::MsgBox(m.prompt, m.style, m.title); }

namespace languages {
QString ByLanguage(int16_t lang, const QString& hebrew, const QString& english)
{
    return lang == 1 ? hebrew : english;
}
QString ByLanguage(const QString& hebrew, const QString& english)
{
    return ByLanguage(UILanguage, hebrew, english);
}
Message ByLanguage(int16_t lang, const Message& hebrew, const Message& english)
{
    return lang == 1 ? hebrew : english;
}
}  // namespace languages
