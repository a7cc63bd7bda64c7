# Checks that the benchmark tools still work together: generates a small table,
# converts it with rowcard and copies the template per accepted row with the I/O
# floors. Called with -DGENERATE=<generator> -DROWCARD=<rowcard> -DFLOOR=<floor>
# -DBATCHED=<ON when the batched floor is built> -DWORK=<scratch folder>.
set(rows 400)
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${GENERATE}" ${rows} "${WORK}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed with ${status}")
endif()
execute_process(COMMAND "${ROWCARD}" WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "rowcard failed with exit status ${status}")
endif()
# The floors give a card to the rows with a mobile number (field 2) only, as rowcard does.
set(floors classic)
if(BATCHED)
  list(APPEND floors batched)
endif()
foreach(floor IN LISTS floors)
  execute_process(COMMAND "${FLOOR}" ${floor} contacts.csv master.vcf ${floor}.vcf ";" 2 WORKING_DIRECTORY "${WORK}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the ${floor} floor failed with ${status}")
  endif()
endforeach()

# Counts the cards in the file $path into the variable `cards`.
function(count_cards path)
  file(STRINGS "${path}" begins REGEX "^BEGIN:VCARD")
  list(LENGTH begins count)
  set(cards ${count} PARENT_SCOPE)
endfunction()

# About one row in twenty lacks its mandatory mobile number and gets no card.
count_cards("${WORK}/contacts.vcf")
math(EXPR fewest "${rows} * 85 / 100")
math(EXPR most "${rows} - 1")
if(cards LESS fewest OR cards GREATER most)
  message(FATAL_ERROR "rowcard wrote ${cards} cards for ${rows} rows; about 95% were expected")
endif()
set(rowcard_cards ${cards})
foreach(floor IN LISTS floors)
  count_cards("${WORK}/${floor}.vcf")
  if(NOT cards EQUAL rowcard_cards)
    message(FATAL_ERROR "the ${floor} floor wrote ${cards} cards where rowcard wrote ${rowcard_cards}")
  endif()
endforeach()
# The first name line must be filled: a surname and a first name, folded to
# ASCII, in place of the placeholders. file(STRINGS) puts a backslash before
# each semicolon, hence the loose pattern between the names.
file(STRINGS "${WORK}/contacts.vcf" name_line REGEX "^N:" LIMIT_COUNT 1)
if(NOT name_line MATCHES "^N:[A-Za-z]+[^A-Za-z]+[A-Za-z]+[^A-Za-z]" OR name_line MATCHES "LAST|FIRST")
  message(FATAL_ERROR "the first card's name line is not filled: ${name_line}")
endif()
file(REMOVE_RECURSE "${WORK}")
