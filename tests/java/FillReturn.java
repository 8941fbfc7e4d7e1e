import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.time.LocalDate;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * Gives every field of every form of a JSON return a value of its own, away
 * from the defaults, so that a reader that confuses two fields, two kinds or
 * the bytes of a value shows a difference:
 *
 *   java FillReturn NEW.json FILLED.json
 *
 * The forms' fields come from the generated reader classes (TaxData_<form>
 * or the form's own class name), and so do the rows a form stores after its
 * fields (EXTRA_ROWS under each such key); other keys are kept.
 */
public class FillReturn
{
    /** Rows given under each key of rows stored after a form's fields. */
    static final int EXTRA_ROWS = 3;

    @SuppressWarnings("unchecked")
    public static void main(String[] args) throws Exception
    {
        if (args.length != 2) {
            System.err.println("usage: java FillReturn NEW.json FILLED.json");
            System.exit(2);
        }
        Map<String, Object> doc =
            (Map<String, Object>) Json.parse(new String(Files.readAllBytes(Paths.get(args[0])), StandardCharsets.UTF_8));
        int n = 0;
        for (Object f : (List<Object>) doc.get("forms")) {
            Map<String, Object> form = (Map<String, Object>) f;
            Map<String, Object> values = (Map<String, Object>) form.get("fields");
            TaxFormData reader = readerOf((String) form.get("form"));
            for (Field field : reader.getFields())
                values.put(field.getName(), valueFor(field, ++n));
            for (String key : reader.extraRowKeys()) {
                List<Object> rows = new ArrayList<>();
                for (int r = 0; r < EXTRA_ROWS; r++) {
                    Map<String, Object> row = new LinkedHashMap<>();
                    for (Field field : reader.newExtraRow(key))
                        row.put(field.getName(), valueFor(field, ++n));
                    rows.add(row);
                }
                form.put(key, rows);
            }
            // Schedule 1 stores as many extra share entries as fld_ws_moreentry
            // says, and loading sets the requested number to that count.
            if (values.containsKey("fld_ws_moreentry")) {
                values.put("fld_ws_moreentry", Json.number(Integer.toString(EXTRA_ROWS)));
                values.put("fld_ws_moreentry_num", Json.number(EXTRA_ROWS + ".0"));
            }
        }
        Files.write(Paths.get(args[1]), Json.write(doc).getBytes(StandardCharsets.UTF_8));
    }

    static TaxFormData readerOf(String form) throws ReflectiveOperationException
    {
        Class<?> cls;
        try {
            cls = Class.forName("TaxData_" + form);
        } catch (ClassNotFoundException e) {
            cls = Class.forName(form);
        }
        return (TaxFormData) cls.getDeclaredConstructor().newInstance();
    }

    /** The n-th field's value: amounts with cents and signs, texts with accents, valid dates. */
    static Object valueFor(Field field, int n)
    {
        LocalDate date = LocalDate.of(2024, 1, 1).plusDays(n % 366);
        switch (field.kind()) {
        case Field.KIND_FLOAT:
            return Json.number(Double.toString((n % 2 == 0 ? 1 : -1) * (n * 1234.5678 + 0.01)));
        case Field.KIND_PERCENT:
            return Json.number(Double.toString(n % 100 + 0.125));
        case Field.KIND_STRING: {
            String text = "Entrée n° " + n + " — " + field.getName();
            return text.substring(0, Math.min(text.length(), ((StringField) field).getMaxLength()));
        }
        case Field.KIND_INT:
            return Json.number(Integer.toString(n % 7 - 1));
        case Field.KIND_BOOL:
            return n % 2 == 0;
        case Field.KIND_DATE:
            return DateField.dateText(date);
        case Field.KIND_DATETIME:
            return String.format("%sT%02d:%02d:%02d", DateField.dateText(date), n % 24, n % 60, (n * 7) % 60);
        default:
            throw new IllegalArgumentException("field " + field.getName() + " of unknown kind " + field.kind());
        }
    }
}
