# SPDX-License-Identifier: MIT
# The installed product: one product folder holding the three programs, the
# Resources tree and the DirectX folder with the runtime installer, plus menu
# entries, the icon, two commands on the PATH and a Debian package.
#
#   <prefix>/lib/Quizvale/{Showfloor,Setwright,Porchlight,Resources/,DirectX/,locale/}
#   <prefix>/bin/quizvale -> ../lib/Quizvale/Porchlight
#   <prefix>/bin/setwright -> ../lib/Quizvale/Setwright
#   <prefix>/share/applications/quizvale.desktop, quizvale-setwright.desktop
#   <prefix>/share/icons/hicolor/256x256/apps/quizvale.png
#   <prefix>/share/metainfo/org.quizvale.{quizvale,setwright}.metainfo.xml
#   <prefix>/share/man/man6/{quizvale,showfloor}.6, man1/setwright.1
#
# Installing copies what was built; it builds nothing (build first).

if(QV_FUZZ OR NOT QV_PROGRAMS)
  return()
endif()

set(QV_INSTALL_DIR "lib/Quizvale" CACHE STRING
    "Folder under the install prefix that holds the product folder")

# The programs find everything relative to their own folder, so nothing
# about the install location is compiled in; building everything just to
# install is left to the developer, and cpack stays cheap.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

foreach(program Showfloor Setwright Porchlight)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION "${QV_INSTALL_DIR}")
  endif()
endforeach()

# A built tree that has been played in holds the player's own configuration
# and play states (and perhaps the leftovers of an interrupted save); those
# belong to the player, not to the product.
install(DIRECTORY "${QV_PRODUCT_DIR}/Resources" DESTINATION "${QV_INSTALL_DIR}"
        PATTERN "Config.txt" EXCLUDE
        REGEX "/QState[^/]*\\.bin$" EXCLUDE
        REGEX "\\.tmp-[^/]*$" EXCLUDE)
# The game's catalogues; the pseudo language is for tests only.
if(TARGET game_catalogues)
  install(DIRECTORY "${QV_PRODUCT_DIR}/locale" DESTINATION "${QV_INSTALL_DIR}"
          PATTERN "qps" EXCLUDE)
endif()
install(PROGRAMS "${PROJECT_SOURCE_DIR}/packaging/DirectX/install-runtime.sh"
        DESTINATION "${QV_INSTALL_DIR}/DirectX")
install(FILES "${QV_PRODUCT_DIR}/Resources/icon.png"
        DESTINATION share/icons/hicolor/256x256/apps
        RENAME quizvale.png
        OPTIONAL)

# The menu entries name the product folder by its full path, which is only
# known at install time (cmake --install --prefix, cpack's own prefix). Each
# program present gets its entry and a command on the PATH, a relative link so
# that the installed tree can be moved whole.
function(qv_install_entry program desktop command)
  if(NOT TARGET ${program})
    return()
  endif()
  set(source "${PROJECT_SOURCE_DIR}/packaging/${desktop}.desktop.in")
  set(generated "${CMAKE_BINARY_DIR}/packaging/${desktop}.desktop")
  install(CODE "
    set(QV_PRODUCT_FOLDER \"\${CMAKE_INSTALL_PREFIX}/${QV_INSTALL_DIR}\")
    configure_file(\"${source}\" \"${generated}\" @ONLY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\"
         TYPE FILE FILES \"${generated}\")
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${command}\")
    message(STATUS \"Installing: \${link}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"../${QV_INSTALL_DIR}/${program}\" \"\${link}\" SYMBOLIC)
  ")
endfunction()
qv_install_entry(Porchlight quizvale quizvale)
qv_install_entry(Setwright quizvale-setwright setwright)

# What software centres show: one AppStream component per menu entry, its
# screenshots the stills under docs/ at the project's address.
set(QV_PROJECT_URL "https://quizvale.org" CACHE STRING
    "The project's web address; the metadata's screenshots lie under <address>/docs/")
function(qv_install_metainfo program component)
  if(NOT TARGET ${program})
    return()
  endif()
  set(generated "${CMAKE_BINARY_DIR}/packaging/org.quizvale.${component}.metainfo.xml")
  configure_file("${PROJECT_SOURCE_DIR}/packaging/metainfo/org.quizvale.${component}.metainfo.xml.in"
                 "${generated}" @ONLY)
  install(FILES "${generated}" DESTINATION share/metainfo)
endfunction()
qv_install_metainfo(Porchlight quizvale)
qv_install_metainfo(Setwright setwright)

# A manual page for each command an install adds, and for the game itself.
if(TARGET Porchlight)
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/man/quizvale.6" DESTINATION share/man/man6)
endif()
if(TARGET Showfloor)
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/man/showfloor.6" DESTINATION share/man/man6)
endif()
if(TARGET Setwright)
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/man/setwright.1" DESTINATION share/man/man1)
endif()

# cpack -G DEB: package quizvale, installed under /usr.
set(CPACK_PACKAGE_NAME "quizvale")
set(CPACK_PACKAGE_VENDOR "Quizvale team")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Prize-ladder quiz game with a question-set editor")
set(CPACK_PACKAGE_DESCRIPTION
    "Quizvale is a full-screen quiz game for one to nine players who climb a ladder of \
fifteen multiple-choice questions, with Setwright, an editor for the question sets, \
and Porchlight, the launcher that checks the game's runtime.")
set(CPACK_PACKAGE_CONTACT "Quizvale team <quizvale@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-2.0-0, libsdl2-image-2.0-0, libsdl2-ttf-2.0-0, libsdl2-mixer-2.0-0, \
fontconfig, fonts-liberation2, fonts-dejavu-core, fonts-noto-core, fonts-noto-cjk, \
libharfbuzz0b, libfribidi0, libfreetype6, libqt6widgets6, libqt6gui6, libqt6core6, \
libjpeg62-turbo, libpng16-16, libtiff6, zlib1g, libcivetweb1, libqrencode4")
include(CPack)
