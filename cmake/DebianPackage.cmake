# `make package` builds a Debian package of the installed files with CPack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${KOBU_MAKER_EN}")
set(CPACK_PACKAGE_CONTACT "${KOBU_MAKER_EN} <kobu@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${KOBU_SUMMARY_EN}")
# Debian wants the lines of the description no longer than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "A counting game for children of three to six, in Chinese: a number\n\
from 1 to 10 is shown and spoken, and the child seats that many little\n\
monkeys on a toy train and sends it off. A top-ten table keeps the best\n\
scores.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the Qt libraries the program links; what it opens at
# run time it cannot see: the window system plugins, SDL (loaded at the first
# sound) and a font that has the Chinese characters.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, libsdl2-2.0-0, fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# The package takes everything `cmake --install` installs except the
# program, which it puts in /usr/games instead.
install(TARGETS kobu RUNTIME DESTINATION ${KOBU_PACKAGE_BINDIR} COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    ${PROJECT_BINARY_DIR} ${PROJECT_NAME} Unspecified /
    ${PROJECT_BINARY_DIR} ${PROJECT_NAME} debian /)
include(CPack)
