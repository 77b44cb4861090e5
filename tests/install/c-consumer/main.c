/* A C program on the installed library: a conversion that needs the
 * library's decimal arithmetic, and an error reported as a status. */
#include <TalFoundation/c/tal.h>

#include <stdio.h>
#include <string.h>

int main(void) {
  char* miles = NULL;
  const tal_status status = tal_convert("1.5", "length_km", "length_mi", &miles);
  /* 1.5 / 1.609344, 38 significant digits, half even (Python decimal). */
  const int converted = status == TAL_OK && miles != NULL &&
                        strcmp(miles, "0.93205678835600095442615127654497733238") == 0;
  tal_string_free(miles);
  char* none = NULL;
  const int refused = tal_convert("1", "length_km", "mass_kg", &none) == TAL_ERROR_NOT_CONVERTIBLE && none == NULL;
  if (!converted || !refused) {
    fprintf(stderr, "converted %d, refused %d\n", converted, refused);
    return 1;
  }
  return 0;
}
