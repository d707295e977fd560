# SPDX-FileCopyrightText: 2026 Les auteurs du Varnel
# SPDX-License-Identifier: GPL-3.0-or-later

# installation (GNUInstallDirs), intégration au bureau sous org.example.Varnel, paquet Debian (CPack)
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

    # l'icône : le SVG tel quel, et ses rendus PNG faits à la construction
    set(icone_svg ${PROJECT_SOURCE_DIR}/resources/images/varnel.svg)
    install(FILES ${icone_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${VARNEL_ID}.svg)
    add_executable(rendu-icone ${VARNEL_INSTALLATION}/RenduIcone.cpp)
    target_link_libraries(rendu-icone PRIVATE Qt6::Gui Qt6::Svg)
    set(icones_png)
    foreach(taille 16 32 48 64 128 256)
        set(dossier ${PROJECT_BINARY_DIR}/icones/${taille}x${taille}/apps)
        add_custom_command(OUTPUT ${dossier}/${VARNEL_ID}.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}
            COMMAND rendu-icone ${icone_svg} ${taille} ${dossier}/${VARNEL_ID}.png
            DEPENDS rendu-icone ${icone_svg}
            COMMENT "Icône ${taille}×${taille}"
            VERBATIM)
        list(APPEND icones_png ${dossier}/${VARNEL_ID}.png)
        install(FILES ${dossier}/${VARNEL_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps)
    endforeach()
    add_custom_target(icones ALL DEPENDS ${icones_png})
endif()

# paquet Debian : cpack -G DEB dans le dossier de construction
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnel)
set(CPACK_PACKAGE_VENDOR "L'équipe du Varnel")
set(CPACK_PACKAGE_CONTACT "L'équipe du Varnel <varnel@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/varnel/")
# bibliothèques lues dans les programmes par dpkg-shlibdeps ; les polices que les fenêtres demandent
# (Comic Sans MS, Courier New, MS Sans Serif) et les textes de Qt en français ne s'y voient pas
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"l'épreuve des chiffres : six plaques, un compte, quatre opérations
Le varnel est un programme de bureau, en français, pour l'épreuve des chiffres
d'un jeu de lettres et de chiffres : six plaques tirées d'une réserve de 24,
un compte à trouver de 101 à 999, et les quatre opérations sur des nombres
entiers positifs.
.
Le programme tire les jeux avec une animation, laisse le joueur taper son
calcul contre la montre, trouve toutes les solutions distinctes (ou les
approches les plus proches), compare le joueur à l'ordinateur, tient des
statistiques et dresse l'inventaire de tous les comptes de 101 à 999.
.
La commande varnel-calcul résout un jeu sans fenêtre.")
include(CPack)
