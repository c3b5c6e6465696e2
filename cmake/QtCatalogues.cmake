# SPDX-License-Identifier: MIT
# The Qt programs' catalogues: each language's .ts made into a .qm by lrelease
# in the product's translations folder, installed with the product; the pseudo
# language's catalogue (qps, for tests) is made from the sources into the same
# folder of the build tree and never installed. Qt's own catalogue of the
# standard dialogs comes from the system (qt6-translations-l10n); for the
# pseudo language it is made from the German one's source texts.

set(QV_QT_LANGUAGES de fr es pl ru)
set(QV_QT_TRANSLATIONS_DIR "${QV_PRODUCT_DIR}/translations")

# Debian's Qt 6 tools live outside the PATH, where Qt 5's may be found first.
find_program(QV_LRELEASE NAMES lrelease PATHS /usr/lib/qt6/bin /usr/lib/qt6/libexec NO_DEFAULT_PATH)
find_program(QV_LRELEASE NAMES lrelease-qt6 lrelease)
find_program(QV_LCONVERT NAMES lconvert PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(QV_LCONVERT NAMES lconvert-qt6 lconvert)
find_package(Python3 COMPONENTS Interpreter)
if(NOT QV_LRELEASE)
  message(FATAL_ERROR "lrelease of Qt 6 not found: install qt6-l10n-tools (scripts/setup)")
endif()

# qv_qt_catalogues(TARGET CATALOGUE TS_FOLDER): setwright_<code>.qm beside
# the program TARGET, built with it.
function(qv_qt_catalogues target catalogue folder)
  set(outputs)
  foreach(code IN LISTS QV_QT_LANGUAGES)
    set(ts "${folder}/${catalogue}_${code}.ts")
    set(qm "${QV_QT_TRANSLATIONS_DIR}/${catalogue}_${code}.qm")
    add_custom_command(
      OUTPUT "${qm}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${QV_QT_TRANSLATIONS_DIR}"
      COMMAND "${QV_LRELEASE}" -silent "${ts}" -qm "${qm}"
      DEPENDS "${ts}"
      COMMENT "Making ${catalogue}_${code}.qm"
      VERBATIM)
    list(APPEND outputs "${qm}")
  endforeach()

  # The pseudo language, from the German catalogue's texts (the same as the
  # code's: a test checks that the catalogues are up to date).
  set(work "${CMAKE_CURRENT_BINARY_DIR}/pseudo")
  set(pseudo_ts "${work}/${catalogue}_qps.ts")
  set(pseudo_qm "${QV_QT_TRANSLATIONS_DIR}/${catalogue}_qps.qm")
  add_custom_command(
    OUTPUT "${pseudo_qm}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${work}" "${QV_QT_TRANSLATIONS_DIR}"
    COMMAND "${Python3_EXECUTABLE}" "${PROJECT_SOURCE_DIR}/scripts/pseudo-ts"
            "${folder}/${catalogue}_de.ts" "${pseudo_ts}"
    COMMAND "${QV_LRELEASE}" -silent "${pseudo_ts}" -qm "${pseudo_qm}"
    DEPENDS "${folder}/${catalogue}_de.ts" "${PROJECT_SOURCE_DIR}/scripts/pseudo-ts"
    COMMENT "Making ${catalogue}_qps.qm (pseudo language)"
    VERBATIM)
  list(APPEND outputs "${pseudo_qm}")

  if(NOT TARGET qtbase_pseudo_catalogue)
    set(qt_folder "/usr/share/qt6/translations")
    set(qt_qm "${QV_QT_TRANSLATIONS_DIR}/qtbase_qps.qm")
    if(QV_LCONVERT AND EXISTS "${qt_folder}/qtbase_de.qm")
      add_custom_command(
        OUTPUT "${qt_qm}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${work}" "${QV_QT_TRANSLATIONS_DIR}"
        COMMAND "${QV_LCONVERT}" -i "${qt_folder}/qtbase_de.qm" -o "${work}/qtbase_de.ts"
        COMMAND "${Python3_EXECUTABLE}" "${PROJECT_SOURCE_DIR}/scripts/pseudo-ts"
                "${work}/qtbase_de.ts" "${work}/qtbase_qps.ts"
        COMMAND "${QV_LRELEASE}" -silent "${work}/qtbase_qps.ts" -qm "${qt_qm}"
        DEPENDS "${qt_folder}/qtbase_de.qm" "${PROJECT_SOURCE_DIR}/scripts/pseudo-ts"
        COMMENT "Making qtbase_qps.qm (pseudo language of Qt's dialogs)"
        VERBATIM)
      add_custom_target(qtbase_pseudo_catalogue DEPENDS "${qt_qm}")
    else()
      add_custom_target(qtbase_pseudo_catalogue)
    endif()
  endif()

  add_custom_target(${target}_catalogues ALL DEPENDS ${outputs})
  add_dependencies(${target}_catalogues qtbase_pseudo_catalogue)
  add_dependencies(${target} ${target}_catalogues)
endfunction()
