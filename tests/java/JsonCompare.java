import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;

/**
 * Compares the forms of two JSON return documents: the same forms in the same
 * order, each with the same fields in the same order and the same values, and
 * the same rows stored after its fields (Schedule 1's "moreEquityEntries").
 * Numbers are equal when they are the same double (so 1250 and 1250.0 agree,
 * 0.1 and 0.10000000000000002 do not).
 *
 *   java JsonCompare READER.json CALC.json
 *
 * Prints each difference (at most 20) and exits 1 when there is one.
 */
public class JsonCompare
{
    private final List<String> differences = new ArrayList<>();

    public static void main(String[] args) throws Exception
    {
        if (args.length != 2) {
            System.err.println("usage: java JsonCompare A.json B.json");
            System.exit(2);
        }
        Object a = Json.parse(new String(Files.readAllBytes(Paths.get(args[0])), StandardCharsets.UTF_8));
        Object b = Json.parse(new String(Files.readAllBytes(Paths.get(args[1])), StandardCharsets.UTF_8));
        JsonCompare cmp = new JsonCompare();
        cmp.compareReturns(a, b);
        for (String d : cmp.differences.subList(0, Math.min(20, cmp.differences.size())))
            System.out.println(d);
        if (!cmp.differences.isEmpty()) {
            System.out.println(cmp.differences.size() + " difference(s) between " + args[0] + " and " + args[1]);
            System.exit(1);
        }
    }

    @SuppressWarnings("unchecked")
    void compareReturns(Object a, Object b)
    {
        List<Object> formsA = (List<Object>) ((Map<String, Object>) a).get("forms");
        List<Object> formsB = (List<Object>) ((Map<String, Object>) b).get("forms");
        if (formsA == null || formsB == null) {
            differences.add("a document has no \"forms\"");
            return;
        }
        if (formsA.size() != formsB.size())
            differences.add("form count " + formsA.size() + " != " + formsB.size());
        for (int i = 0; i < Math.min(formsA.size(), formsB.size()); i++) {
            Map<String, Object> fa = (Map<String, Object>) formsA.get(i);
            Map<String, Object> fb = (Map<String, Object>) formsB.get(i);
            String where = "forms[" + i + "] (" + fa.get("form") + ")";
            if (!fa.get("form").equals(fb.get("form"))) {
                differences.add(where + ": form " + fa.get("form") + " != " + fb.get("form"));
                continue;
            }
            compareFields(where, (Map<String, Object>) fa.get("fields"), (Map<String, Object>) fb.get("fields"));
            compareRows(where, fa, fb);
        }
    }

    /** The rows a form stores after its fields, under keys of their own; a key left out holds none. */
    @SuppressWarnings("unchecked")
    void compareRows(String where, Map<String, Object> fa, Map<String, Object> fb)
    {
        Set<String> keys = new LinkedHashSet<>(fa.keySet());
        keys.addAll(fb.keySet());
        keys.removeAll(Arrays.asList("form", "fields", "typeId", "origin"));
        for (String key : keys) {
            List<Object> ra = (List<Object>) fa.getOrDefault(key, List.of());
            List<Object> rb = (List<Object>) fb.getOrDefault(key, List.of());
            if (ra.size() != rb.size())
                differences.add(where + ": \"" + key + "\": row count " + ra.size() + " != " + rb.size());
            for (int i = 0; i < Math.min(ra.size(), rb.size()); i++)
                compareFields(where + ": \"" + key + "\"[" + i + "]", (Map<String, Object>) ra.get(i),
                              (Map<String, Object>) rb.get(i));
        }
    }

    void compareFields(String where, Map<String, Object> a, Map<String, Object> b)
    {
        Iterator<Map.Entry<String, Object>> ia = a.entrySet().iterator();
        Iterator<Map.Entry<String, Object>> ib = b.entrySet().iterator();
        int position = 0;
        while (ia.hasNext() && ib.hasNext()) {
            Map.Entry<String, Object> ea = ia.next(), eb = ib.next();
            if (!ea.getKey().equals(eb.getKey())) {
                differences.add(where + ": field " + position + " is " + ea.getKey() + " != " + eb.getKey());
                return;
            }
            if (!sameValue(ea.getValue(), eb.getValue()))
                differences.add(where + ": " + ea.getKey() + ": " + show(ea.getValue()) + " != " + show(eb.getValue()));
            position++;
        }
        if (ia.hasNext() || ib.hasNext())
            differences.add(where + ": field count " + a.size() + " != " + b.size());
    }

    static boolean sameValue(Object a, Object b)
    {
        if (a instanceof Json.Number && b instanceof Json.Number)
            return Double.compare(((Json.Number) a).value(), ((Json.Number) b).value()) == 0;
        return a.equals(b);
    }

    static String show(Object v)
    {
        return v instanceof String ? Json.quote((String) v) : String.valueOf(v);
    }
}
