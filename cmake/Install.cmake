# `cmake --install` (what `make install PREFIX=... DESTDIR=...` runs): the programs, the SMS
# interception library, the shipped themes, the desktop entry (sms: links) with its icon, the
# SMS transport's systemd user unit and the user documentation, at the usual XDG places:
#   bin/quillbook qbphone qbphoned qbtheme
#   lib/quillbook/libsmsweir.so          (the programs look there when it is not beside them)
#   share/quillbook/themes/*.qbt         (copied into a user's program folder at first start)
#   share/applications/quillbook.desktop
#   share/icons/hicolor/scalable/apps/quillbook.svg
#   lib/systemd/user/qbphoned.service
#   share/doc/quillbook/*.md
# The fonts are the system's (Debian fonts-dejavu-core); nothing of them is installed.
include(GNUInstallDirs)
install(TARGETS quillbook qbphone qbphoned qbtheme RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS smsweir LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/quillbook)
install(DIRECTORY ${CMAKE_BINARY_DIR}/themes/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quillbook/themes
        FILES_MATCHING PATTERN "*.qbt")
# The entry and the unit name the installed programs by their full paths, so that a prefix
# outside the PATH works too; they are made at install time, for the prefix given then.
install(CODE "
  set(QB_INSTALL_BIN \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  set(QB_INSTALL_DOC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DOCDIR}\")
  configure_file(${CMAKE_SOURCE_DIR}/packaging/quillbook.desktop.in
                 ${CMAKE_BINARY_DIR}/packaging/quillbook.desktop @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/qbphoned.service.in
                 ${CMAKE_BINARY_DIR}/packaging/qbphoned.service @ONLY)
  file(INSTALL ${CMAKE_BINARY_DIR}/packaging/quillbook.desktop
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  file(INSTALL ${CMAKE_BINARY_DIR}/packaging/qbphoned.service
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/systemd/user\")
")
install(FILES ${CMAKE_SOURCE_DIR}/packaging/quillbook.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
file(GLOB qb_docs ${CMAKE_SOURCE_DIR}/docs/*.md)
install(FILES ${qb_docs} DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Outside a staged install, the desktop's cache of scheme handlers learns the new entry.
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR})
    find_program(QB_UPDATE_DESKTOP_DATABASE update-desktop-database)
    if(QB_UPDATE_DESKTOP_DATABASE)
      execute_process(COMMAND ${QB_UPDATE_DESKTOP_DATABASE} -q
                              "${CMAKE_INSTALL_PREFIX}/share/applications")
    endif()
  endif()
]])
