# What `cmake --install` puts in place besides the programs (libexec/kulko,
# off the path): the launcher that prepares the user's working directory and
# starts a program there, on the path as `kulko`, `kulko-systemy` and under
# kulko's older name `kulko-start`; the shipped history and ball pictures it
# copies from, the shipped table of systems that kulko-systemy reads, the
# desktop entries and the icon in the usual sizes.
include(GNUInstallDirs)

foreach(command kulko kulko-start kulko-systemy)
    install(PROGRAMS ${PROJECT_SOURCE_DIR}/data/desktop/kulko-launcher
            DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${command})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/kulko.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/kulko)
file(GLOB KULKO_BALL_PICTURES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/Ikonki/*.jpg)
install(FILES ${KULKO_BALL_PICTURES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kulko/Ikonki)
install(FILES ${PROJECT_SOURCE_DIR}/data/systemy/systemy.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/kulko)
# The menu entry names the launcher by its full path, taken when installing,
# so that it works whatever the prefix and whether or not its bin is on PATH.
foreach(entry kulko kulko-systemy)
    install(CODE "
        set(KULKO_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kulko\")
        set(KULKO_START \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kulko-start\")
        configure_file(\"${PROJECT_SOURCE_DIR}/data/desktop/${entry}.desktop.in\"
                       \"${CMAKE_BINARY_DIR}/${entry}.desktop\" @ONLY)")
    install(FILES ${CMAKE_BINARY_DIR}/${entry}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endforeach()

# The icon is drawn at build time by a small tool of our own.
add_executable(make_icon ${PROJECT_SOURCE_DIR}/tools/make_icon/make_icon.cpp)
target_link_libraries(make_icon PRIVATE kulko_warnings)
set(KULKO_ICONS)
foreach(size 32 48 64 128 256)
    set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/kulko.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:make_icon> ${size} ${icon}
        DEPENDS make_icon VERBATIM)
    list(APPEND KULKO_ICONS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(kulko_icons ALL DEPENDS ${KULKO_ICONS})

# What the install puts in place, and the launcher's first and later starts.
if(KULKO_BUILD_TESTS)
    add_test(NAME install COMMAND sh ${PROJECT_SOURCE_DIR}/tests/install/install_test.sh
             ${CMAKE_BINARY_DIR})
endif()
