#pragma once
// Shift-JIS <-> QString for the window layer.

#include <QString>

#include "text/encoding.h"
#include "text/sjis.h"

namespace vantor {

inline QString toQString(SjisView sjis) { return QString::fromStdString(cp932ToUtf8(sjis)); }
inline SjisString fromQString(const QString& text) { return utf8ToCp932(text.toStdString()); }

}  // namespace vantor
