// Opening the reference documents and the instruction file with the desktop's programs.
#pragma once

#include <QString>

namespace ovrelan {

class Documents {
public:
    virtual ~Documents() = default;
    // Opens a document given by its bare file name, relative to the current directory, with
    // the desktop's viewer. A missing file or viewer has no visible effect.
    virtual void open_document(const QString& file_name) = 0;
    // Opens a plain-text file with the desktop's text editor.
    virtual void edit_text(const QString& file_name) = 0;
};

class QtDocuments final : public Documents {
public:
    void open_document(const QString& file_name) override;
    void edit_text(const QString& file_name) override;
};

} // namespace ovrelan
