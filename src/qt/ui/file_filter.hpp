#pragma once

#include <QString>

namespace fretwise {

// Dialog filters are written "Description|*.ext" in the window logic; Qt writes them
// "Description (*.ext)".
QString QtFileFilter(const QString& filter);

// The extension of the filter's first pattern with its dot (".fw"), or empty for "*.*".
QString FilterExtension(const QString& filter);

// The chosen path with the filter's extension added when the file name has none, so that
// "C major" becomes "C major.fw".
QString WithFilterExtension(const QString& path, const QString& filter);

}  // namespace fretwise
