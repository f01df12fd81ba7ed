# Read before project(): packaging/changelog is where a version is named, so
# that a new version is one new entry on top of it, written as dch writes one.
# It is read here alone, as Debian's tools read it, and gives the rest of the
# build three variables:
#   sqrt_table_version        the newest entry's version, for project()
#   sqrt_table_epoch          the newest entry's date, in seconds since 1970,
#                             which dates every file in the packages
#   sqrt_table_rpm_changelog  every entry, newest first, in RPM's words
# A new entry configures the build again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/changelog)

# A function, so that none of its own variables reach a parent project.
function(sqrt_table_read_changelog file)
  file(READ ${file} text)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(date "^([A-Z][a-z][a-z]), +([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9]+) ([0-9][0-9]:[0-9][0-9]:[0-9][0-9]) ([-+])([0-9][0-9])([0-9][0-9])$")
  set(rpm "")
  set(n 0)
  unset(version)
  unset(newest)
  # Line by line by hand: as a list, a line's ";" or "[" would split or join
  # lines.
  while(NOT text STREQUAL "")
    string(FIND "${text}" "\n" end)
    if(end EQUAL -1)
      set(line "${text}")
      set(text "")
    else()
      string(SUBSTRING "${text}" 0 ${end} line)
      math(EXPR end "${end} + 1")
      string(SUBSTRING "${text}" ${end} -1 text)
    endif()
    math(EXPR n "${n} + 1")
    set(where "${file}:${n}")

    if(line MATCHES "^[A-Za-z0-9][-+.A-Za-z0-9]* \\(([^() \t]+)\\)( +[-+.A-Za-z0-9]+)+;")
      if(DEFINED version)
        message(FATAL_ERROR "${where}: a new entry before the ' -- ' line "
          "that ends the one for ${version}")
      endif()
      set(version ${CMAKE_MATCH_1})
      set(body "")
    elseif(line MATCHES "^ *$")
      # Blank lines part the entries and their items.
    elseif(NOT DEFINED version)
      message(FATAL_ERROR "${where}: \"${line}\" is outside any entry, whose "
        "first line is \"sqrt-table (VERSION) unstable; urgency=medium\"")
    # RPM's items begin with "- ", and their lines go on two spaces in.
    elseif(line MATCHES "^  \\* (.*)")
      string(APPEND body "- ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^    (.*)")
      string(APPEND body "  ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^ -- (.+ <[^>]*>)  (.*)$")
      set(who "${CMAKE_MATCH_1}")
      if(NOT CMAKE_MATCH_2 MATCHES "${date}")
        message(FATAL_ERROR "${where}: \"${CMAKE_MATCH_2}\" is not a date "
          "as date -R writes one")
      endif()
      set(weekday ${CMAKE_MATCH_1})
      set(day ${CMAKE_MATCH_2})
      set(name ${CMAKE_MATCH_3})
      list(FIND months ${name} month)
      set(year ${CMAKE_MATCH_4})
      string(REPLACE ":" ";" time ${CMAKE_MATCH_5})
      if(month EQUAL -1)
        message(FATAL_ERROR "${where}: no month is named ${name}")
      endif()
      if(rpm STREQUAL "")
        # Count years from March, so that a leap day is the last day of its
        # year.
        set(y ${year})
        if(month LESS 2)
          math(EXPR y "${y} - 1")
        endif()
        math(EXPR days "365 * ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400
          + (153 * ((${month} + 10) % 12) + 2) / 5 + ${day} - 1 - 719468")
        list(GET time 0 hour)
        list(GET time 1 minute)
        list(GET time 2 second)
        math(EXPR epoch "${days} * 86400 + ${hour} * 3600 + ${minute} * 60
          + ${second}
          - ${CMAKE_MATCH_6}(${CMAKE_MATCH_7} * 3600 + ${CMAKE_MATCH_8} * 60)")
        set(newest ${version})
      else()
        string(APPEND rpm "\n")
      endif()
      string(APPEND rpm "* ${weekday} ${name} ${day} ${year} ${who}"
        " - ${version}-1\n${body}")
      unset(version)
    else()
      message(FATAL_ERROR "${where}: \"${line}\" is neither an item "
        "(\"  * \"), nor its next line (four spaces in), nor the line that "
        "ends the entry (\" -- NAME <EMAIL>  $(date -R)\")")
    endif()
  endwhile()
  if(DEFINED version)
    message(FATAL_ERROR "${file}: the entry for ${version} has no ' -- ' "
      "line, with its author and date")
  elseif(NOT DEFINED newest)
    message(FATAL_ERROR "${file}: no entry, whose first line is "
      "\"sqrt-table (VERSION) unstable; urgency=medium\"")
  elseif(NOT newest MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
    message(FATAL_ERROR "${file}: the newest entry's version, ${newest}, is "
      "not one CMake's project() takes: up to four numbers, with dots")
  endif()
  set(sqrt_table_version ${newest} PARENT_SCOPE)
  set(sqrt_table_epoch ${epoch} PARENT_SCOPE)
  set(sqrt_table_rpm_changelog "${rpm}" PARENT_SCOPE)
endfunction()
sqrt_table_read_changelog(${CMAKE_CURRENT_LIST_DIR}/changelog)
