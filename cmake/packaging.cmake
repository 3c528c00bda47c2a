# The installed program and its Debian package (cmake --build --preset default --target package).
# Programs go to bin; help pages, examples and the solver's pins to share/kelvane; the desktop
# entry, icon, MIME type, manual pages and bash completion where the desktop and the shell look.
include(GNUInstallDirs)

set(KELVANE_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${KELVANE_DOC_DIR})

# kelvane-cli writes its own manual page and completion, so both always list every command.
function(kelvane_program_output output option gzip)
  add_custom_command(OUTPUT ${KELVANE_DOC_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:kelvane-cli> -DOPTION=${option}
      -DOUTPUT=${KELVANE_DOC_DIR}/${output} -DGZIP=${gzip} -P ${CMAKE_SOURCE_DIR}/cmake/write_program_output.cmake
    DEPENDS kelvane-cli ${CMAKE_SOURCE_DIR}/cmake/write_program_output.cmake VERBATIM)
endfunction()
kelvane_program_output(kelvane-cli.1.gz --man-page ON)
kelvane_program_output(kelvane-cli.bash-completion --bash-completion OFF)

set(KELVANE_MAN_PAGES ${KELVANE_DOC_DIR}/kelvane-cli.1.gz)
foreach(page kelvane.1 kelvane-install-solver.1)
  add_custom_command(OUTPUT ${KELVANE_DOC_DIR}/${page}.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/${page} > ${KELVANE_DOC_DIR}/${page}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${page})
  list(APPEND KELVANE_MAN_PAGES ${KELVANE_DOC_DIR}/${page}.gz)
endforeach()
add_custom_target(kelvane_docs ALL DEPENDS ${KELVANE_MAN_PAGES} ${KELVANE_DOC_DIR}/kelvane-cli.bash-completion)

install(TARGETS kelvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kelvane)
  install(TARGETS kelvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/kelvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/kelvane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES packaging/kelvane-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME kelvane.xml)
  install(FILES packaging/kelvane.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME kelvane)
endif()
install(PROGRAMS solver/kelvane-install-solver DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES solver/requirements.txt solver/opensees-launcher.sh.in solver/openseespy-launcher.sh.in
  DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvane/solver)
file(GLOB KELVANE_HELP_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/*.html)
install(FILES ${KELVANE_HELP_PAGES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvane/help)
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvane/examples)
install(FILES ${KELVANE_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KELVANE_DOC_DIR}/kelvane-cli.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kelvane-cli)

set(KELVANE_PACKAGE_MAINTAINER "Kelvane developers <kelvane@example.org>" CACHE STRING
  "The Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VENDOR Kelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pre- and post-processor for nonlinear structural analysis with OpenSees")
set(CPACK_PACKAGE_DESCRIPTION
  "Kelvane imports a SAP2000 version-6 text model, shows it as a 3-D wireframe, lets you give \
frame sections their nonlinear properties (element formulation, geometric transformation, fiber \
mesh, rebar, hinge lengths), writes the OpenSees Tcl script, runs OpenSees on it and draws the \
results. kelvane-install-solver sets up the pinned OpenSees builds for each user.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KELVANE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link (Qt 6, the C++ runtime) are found by dpkg-shlibdeps; the
# solver environment needs Debian's Python with venv and tkinter, through which OpenSees runs Tcl.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "python3, python3-venv, python3-tk")
# Help pages open in the desktop's browser through xdg-open; the toolbar and the drawing use
# DejaVu Sans, and section shape names may need CJK glyphs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core, fonts-wqy-microhei")
include(CPack)
