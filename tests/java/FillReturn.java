import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.time.LocalDate;
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
 * or the form's own class name); keys other than "fields" are kept.
 */
public class FillReturn
{
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
            for (Field field : readerOf((String) form.get("form")).getFields())
                values.put(field.getName(), valueFor(field, ++n));
            // Loading Schedule 1 sets the requested number of extra share
            // entries to their number, so a stored return holds them equal.
            if (values.containsKey("fld_ws_moreentry"))
                values.put("fld_ws_moreentry_num", Json.number(values.get("fld_ws_moreentry") + ".0"));
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
