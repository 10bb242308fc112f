# Read by cpack before it packs: the archives' files take the sources' date,
# unless the builder has set one.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_ZOLINAR_SOURCE_DATE_EPOCH})
endif()
