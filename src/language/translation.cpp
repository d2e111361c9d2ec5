#include "language/translation.h"

#include <QCoreApplication>

Translation::Translation(Language language)
    : m_language(language)
{
    install();
}

Translation::~Translation()
{
    remove();
}

void Translation::switchTo(Language language)
{
    if (language == m_language)
        return;
    remove();
    m_language = language;
    install();
}

void Translation::install()
{
    const QString file = Languages::translationFile(m_language);
    m_installed = !file.isEmpty() && m_translator.load(file) && QCoreApplication::installTranslator(&m_translator);
}

void Translation::remove()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = false;
}
