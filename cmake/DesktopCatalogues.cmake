# SPDX-License-Identifier: MIT
# The desktop entries and AppStream metadata in every language of
# packaging/po: msgfmt merges the translated names, generic names, comments,
# summaries and descriptions into copies under <build>/packaging/translated/,
# which are the files installed.

find_program(QV_MSGFMT msgfmt)
if(NOT QV_MSGFMT)
  message(FATAL_ERROR "msgfmt not found: install gettext (scripts/setup)")
endif()

set(QV_DESKTOP_PO "${PROJECT_SOURCE_DIR}/packaging/po")
set(QV_TRANSLATED_PACKAGING "${CMAKE_BINARY_DIR}/packaging/translated")
file(GLOB qv_desktop_catalogues CONFIGURE_DEPENDS "${QV_DESKTOP_PO}/*.po")
set(qv_desktop_outputs)

# qv_translate_desktop(NAME): packaging/NAME.desktop.in, its placeholders kept
# for the install to fill in.
function(qv_translate_desktop name)
  set(out "${QV_TRANSLATED_PACKAGING}/${name}.desktop.in")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${QV_TRANSLATED_PACKAGING}"
    COMMAND "${QV_MSGFMT}" --desktop "--template=${PROJECT_SOURCE_DIR}/packaging/${name}.desktop.in"
            -d "${QV_DESKTOP_PO}" -o "${out}"
    DEPENDS "${PROJECT_SOURCE_DIR}/packaging/${name}.desktop.in" ${qv_desktop_catalogues}
            "${QV_DESKTOP_PO}/LINGUAS"
    COMMENT "Translating ${name}.desktop"
    VERBATIM)
  set(qv_desktop_outputs ${qv_desktop_outputs} "${out}" PARENT_SCOPE)
endfunction()

# qv_translate_metainfo(COMPONENT): the configured metadata of COMPONENT.
function(qv_translate_metainfo component)
  set(in "${CMAKE_BINARY_DIR}/packaging/org.quizvale.${component}.metainfo.xml")
  set(out "${QV_TRANSLATED_PACKAGING}/org.quizvale.${component}.metainfo.xml")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${QV_TRANSLATED_PACKAGING}"
    COMMAND "${QV_MSGFMT}" --xml "--template=${in}" -d "${QV_DESKTOP_PO}" -o "${out}"
    DEPENDS "${in}" ${qv_desktop_catalogues} "${QV_DESKTOP_PO}/LINGUAS"
    COMMENT "Translating org.quizvale.${component}.metainfo.xml"
    VERBATIM)
  set(qv_desktop_outputs ${qv_desktop_outputs} "${out}" PARENT_SCOPE)
endfunction()
