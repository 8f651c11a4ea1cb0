#pragma once

#include "engine/NumberEdit.h"

#include <QLineEdit>
#include <QWidget>
#include <utility>

// A screen as a posting or a report reads it: named fields holding values
// (dfn fields are number fields).
struct PostingScreen : QWidget {
    PostingScreen(const QString& name, const QList<std::pair<QString, QString>>& fields)
    {
        setObjectName(name);
        for (const auto& [field, value] : fields) {
            QLineEdit* edit = field.startsWith("dfn") ? new NumberEdit(this) : new QLineEdit(this);
            edit->setObjectName(field);
            edit->setText(value);
        }
    }
};
