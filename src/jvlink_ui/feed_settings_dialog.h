#pragma once
// The replacement's own settings dialog, opened by JVSetUIProperties: the
// feed folder JV-Link reads from (its "save folder") and the simulated
// download time per file.

#include "jvlink/feed_jvlink.h"

class QWidget;

namespace vantor {

// Shows the dialog; on OK copies the choices into settings and returns
// true, on Cancel leaves them and returns false.
bool editFeedSettings(QWidget* parent, FeedSettings& settings);

}  // namespace vantor
