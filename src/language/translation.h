#pragma once

#include "language/language.h"

#include <QTranslator>

// The game's texts in a language, installed for as long as this lives.
// Simplified Mandarin installs nothing: the source strings are its texts.
class Translation
{
public:
    explicit Translation(Language language);
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    // Every open window hears QEvent::LanguageChange and says its texts again.
    void switchTo(Language language);
    Language language() const { return m_language; }
    bool isInstalled() const { return m_installed; }

private:
    void install();
    void remove();

    QTranslator m_translator;
    Language m_language;
    bool m_installed = false;
};
