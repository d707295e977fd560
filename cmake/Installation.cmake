# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later

# installation (GNUInstallDirs), intégration au bureau sous org.example.Varnel
include(GNUInstallDirs)

set(VARNEL_ID org.example.Varnel)
set(VARNEL_INSTALLATION ${PROJECT_SOURCE_DIR}/installation)

install(TARGETS varnel-calcul RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VARNEL_INSTALLATION}/varnel-calcul.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

if(VARNEL_FENETRES)
    # le programme installé cherche sa page d'aide dans ../share/varnel/ par rapport à lui
    file(RELATIVE_PATH aide_depuis_programme ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/varnel)
    if(NOT aide_depuis_programme STREQUAL "../share/varnel")
        message(WARNING "La page d'aide installée dans ${CMAKE_INSTALL_FULL_DATADIR}/varnel ne sera pas trouvée "
                        "depuis ${CMAKE_INSTALL_FULL_BINDIR} : le programme la cherche dans ../share/varnel/.")
    endif()

    install(TARGETS varnel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/varnel.html DESTINATION ${CMAKE_INSTALL_DATADIR}/varnel)
    install(FILES ${VARNEL_INSTALLATION}/varnel.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    install(FILES ${VARNEL_INSTALLATION}/${VARNEL_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${VARNEL_INSTALLATION}/${VARNEL_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # l'icône : le SVG tel quel, et ses rendus PNG faits à la construction ; de 16 à 24 pixels, un
    # dessin simplifié fait pour sa taille (varnel-16.svg…), au-delà la grande image réduite
    set(icone_svg ${PROJECT_SOURCE_DIR}/resources/images/varnel.svg)
    install(FILES ${icone_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${VARNEL_ID}.svg)
    add_executable(rendu-icone ${VARNEL_INSTALLATION}/RenduIcone.cpp)
    target_link_libraries(rendu-icone PRIVATE Qt6::Gui Qt6::Svg)
    set(icones_png)
    foreach(taille 16 22 24 32 48 64 128 256)
        set(source ${icone_svg})
        if(EXISTS ${PROJECT_SOURCE_DIR}/resources/images/varnel-${taille}.svg)
            set(source ${PROJECT_SOURCE_DIR}/resources/images/varnel-${taille}.svg)
        endif()
        set(dossier ${PROJECT_BINARY_DIR}/icones/${taille}x${taille}/apps)
        add_custom_command(OUTPUT ${dossier}/${VARNEL_ID}.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}
            COMMAND rendu-icone ${source} ${taille} ${dossier}/${VARNEL_ID}.png
            DEPENDS rendu-icone ${source}
            COMMENT "Icône ${taille}×${taille}"
            VERBATIM)
        list(APPEND icones_png ${dossier}/${VARNEL_ID}.png)
        install(FILES ${dossier}/${VARNEL_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps)
    endforeach()
    add_custom_target(icones ALL DEPENDS ${icones_png})
endif()

# le paquet Debian se construit par debhelper (dossier debian/) : dpkg-buildpackage -b -us -uc
