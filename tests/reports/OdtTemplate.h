#pragma once

#include <QString>

// Writes a small .odt whose body is `body` (ODF elements with the office,
// style, text, table and fo prefixes declared) and returns its path.
QString writeTemplate(const QString& path, const QString& body);
