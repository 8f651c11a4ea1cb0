#pragma once

#include <QString>
#include <QStringList>

// The document templates that come with the program. Each is kept in the
// program as its content and the common styles, and written out as an .odt
// into the office's templates folder when that folder lacks it, so an office
// may change its own copies in Writer and keep them.
namespace ShippedTemplates {

// File names, e.g. "contract.odt".
QStringList names();
// Writes the templates the folder does not have yet; returns how many.
int installMissing(const QString& folder);

}
