# cmake -DINPUT=velunta.metainfo.xml.in -DOUTPUT=FILE [-DSCREENSHOT_URL=https://...] -P metainfo.cmake
#
# Writes the AppStream metainfo. A screenshot has to be a web address, and the
# project has no web host of its own: the screenshot is listed only when the
# builder names the address where docs/screenshot.png is published.
set(VELUNTA_SCREENSHOTS "")
if(SCREENSHOT_URL)
  string(CONCAT VELUNTA_SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The main window: the three models side by side</caption>\n"
    "      <caption xml:lang=\"ru\">Главное окно: три модели рядом</caption>\n"
    "      <image>${SCREENSHOT_URL}</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${INPUT} ${OUTPUT} @ONLY)
