#include "language/translation.h"

#include <QCoreApplication>

Translation::Translation(Language language)
{
    const QString file = Languages::translationFile(language);
    m_installed = !file.isEmpty() && m_translator.load(file) && QCoreApplication::installTranslator(&m_translator);
}

Translation::~Translation()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}
