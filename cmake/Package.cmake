# The Debian package (scripts/package.sh): everything `cmake --install` puts
# in place, plus the manual pages, the AppStream entry and the changelog and
# copyright that Debian asks of every package. The pages and the changelog
# are kept as text in the repository and compressed here.
include(GNUInstallDirs)

set(KULKO_COMPRESSED)
function(kulko_compressed source compressed destination)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${compressed}.plain
        COMMAND gzip -9nf ${compressed}.plain
        COMMAND ${CMAKE_COMMAND} -E rename ${compressed}.plain.gz ${compressed}
        DEPENDS ${source} VERBATIM)
    install(FILES ${compressed} DESTINATION ${destination})
    set(KULKO_COMPRESSED ${KULKO_COMPRESSED} ${compressed} PARENT_SCOPE)
endfunction()

# One page in section 6 for each installed command.
file(GLOB KULKO_MAN_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/*.6)
foreach(source ${KULKO_MAN_SOURCES})
    get_filename_component(page ${source} NAME)
    kulko_compressed(${source} ${CMAKE_BINARY_DIR}/man/${page}.gz ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
kulko_compressed(${PROJECT_SOURCE_DIR}/data/debian/changelog
    ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz ${CMAKE_INSTALL_DOCDIR})
add_custom_target(kulko_docs ALL DEPENDS ${KULKO_COMPRESSED})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kulko)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/net.example.kulko.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kulko)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Kulko maintainers <maintainers@users.noreply.c-seed-02454927.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "generator zakładów i statystyka losowań 6 z 49")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Kulko to program dla graczy liczbowej loterii 6 z 49. Przechowuje historię
dawnych losowań, pokazuje jej statystykę i wykres częstości liczb, losuje
zakłady według wybranych filtrów, zapamiętuje zakłady warte gry, sprawdza
je po losowaniu i prowadzi mały rejestr wydatków i wygranych.
.
Drugi program, kulko-systemy, rozpisuje systemy skrócone z gwarancją
sprawdzoną dla każdego układu wybranych liczb i podaje ich dokładne szanse.
.
Każdy użytkownik ma swój katalog roboczy ~/.local/share/kulko, który przy
pierwszym uruchomieniu otrzymuje dołączoną historię losowań od 1957 roku.")
# Libraries come from dpkg-shlibdeps; the rest is what the program needs
# without linking it: libcurl, which the window and the results tool load
# when they first fetch, the Qt platform plugin that opens the window, the
# toolkit's Polish translations (its dialogs and buttons), the
# fonts it draws with and xdg-open, which opens the memory file in an editor.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libcurl4, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core, xdg-utils")
# The window is laid out for Tahoma's metrics, which Wine's Tahoma brings;
# without it the program draws with the fonts above, the texts a little closer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wine)
set(CPACK_KULKO_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageStrip.cmake)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The install writes the launcher's final path into the menu entry, so it
# must run with the real prefix and the staging directory as DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

if(KULKO_BUILD_TESTS)
    add_test(NAME package COMMAND sh ${PROJECT_SOURCE_DIR}/tests/package/package_test.sh
             ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION})
endif()
